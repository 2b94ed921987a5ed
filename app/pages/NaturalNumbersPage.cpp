#include "app/pages/NaturalNumbersPage.h"

#include <utility>

#include "app/pages/PageStyle.h"
#include "app/widgets/CopyMenu.h"
#include "formulas/MoyModul.h"
#include "numbers/NaturalNumbers.h"
#include "numbers/NaturalNumbersSteps.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

void MoveLeftEdge(QWidget* widget, int left) {
  widget->move(left, widget->y());
}

}  // namespace

NaturalNumbersPage::NaturalNumbersPage(Platform& platform, QWidget* parent)
    : Page(platform, parent) {
  ui.setupUi(this);
  for (QWidget* group : {ui.TntGroupBox15, ui.TntGroupBox16, ui.TntGroupBox14}) {
    PaintGroup(group);
  }
  PaintText(ui.Label55, kNavyText);
  for (QLabel* label : ui.TntGroupBox15->findChildren<QLabel*>())
    label->adjustSize();
  for (QLabel* label : ui.TntGroupBox16->findChildren<QLabel*>())
    label->adjustSize();
  for (QLabel* label : ui.TntGroupBox14->findChildren<QLabel*>())
    label->adjustSize();

  ui.UpDown3->Associate(ui.Edit45);
  ui.UpDown3->SetRange(1, 32500);
  ui.UpDown3->SetPosition(1);
  ui.UpDown3->SetEnds(UpDown::Ends::Stop);

  ui.Ayrilislar->setAccessibleName(QStringLiteral("История разложений"));
  ui.Ayrilislar->setUniformItemSizes(true);
  ui.SadeEdedlerinSiyahisi->setModel(&primes_);
  ui.SadeEdedlerinSiyahisi->SetRowHeight(13);
  OfferCopy(ui.Label13, ui.TntLabel14);
  OfferCopy(ui.Label12, ui.TntLabel16);
  OfferCopy(ui.Label55);
  OfferCopy(ui.Ayrilislar);
  OfferCopy(ui.SadeEdedlerinSiyahisi);

  divisors_ = Answers({ui.Edit5, ui.Edit9}, {ui.Label13, ui.Label12});
  // The history of factorisations is no answer to the field: it never goes stale.
  factors_ = Answers({ui.Edit45}, {ui.Label55});
  primesFound_ = Answers({ui.Edit46}, {ui.SadeEdedlerinSiyahisi});
  BindSolve(ui.EBOBveEKOB, &QPushButton::clicked, &NaturalNumbersPage::EBOBveEKOBClick, divisors_);
  BindSolve(ui.SadeVuruqlaraAyir, &QPushButton::clicked,
            &NaturalNumbersPage::SadeVuruqlaraAyirClick, factors_);
  Bind(ui.TntBitBtn3, &QPushButton::clicked, &NaturalNumbersPage::TntBitBtn3Click);
  BindSolve(ui.UpDown3, &UpDown::Click, &NaturalNumbersPage::UpDown3Click, factors_);
  BindSolve(ui.SadeEdedler, &QPushButton::clicked, &NaturalNumbersPage::SadeEdedlerClick,
            primesFound_);
  Bind(ui.TntBitBtn1, &QPushButton::clicked, &NaturalNumbersPage::TntBitBtn1Click);
  BindField(ui.Edit5, {.keys = DigitKeys, .next = ui.Edit9});
  BindField(ui.Edit9, {.keys = DigitKeys, .next = ui.EBOBveEKOB});
  BindField(ui.Edit45,
            {.keys = DigitKeys, .next = ui.SadeVuruqlaraAyir, .enter = EnterKey::PassedOn});
  BindField(ui.Edit46, {.keys = DigitKeys, .next = ui.SadeEdedler, .enter = EnterKey::PassedOn});
}

void NaturalNumbersPage::EBOBveEKOBClick() {
  MoveLeftEdge(ui.TntLabel14, 70);
  MoveLeftEdge(ui.TntLabel16, 70);
  MoveLeftEdge(ui.Label13, 102);
  MoveLeftEdge(ui.Label12, 102);
  const std::int32_t a = ParseInteger(FieldText(ui.Edit5));
  const std::int32_t b = ParseInteger(FieldText(ui.Edit9));
  const std::string head = FormatInteger(a) + "," + FormatInteger(b) + ")=";
  const std::int64_t gcd = Gcd(a, b);
  SetCaption(ui.Label13, Text(head + std::to_string(gcd)));
  // Both numbers 0 fail here, with the GCD already shown.
  const std::int64_t lcm = Lcm(a, b);
  Working working = GcdLcmSteps(a, b, gcd, lcm);
  SetCaption(ui.Label12, Text(head + std::to_string(lcm)));
  if (ui.Label12->text().size() > 18) {
    MoveLeftEdge(ui.TntLabel14, 20);
    MoveLeftEdge(ui.TntLabel16, 20);
    MoveLeftEdge(ui.Label13, 51);
    MoveLeftEdge(ui.Label12, 51);
    // More room to the right: a line that wrapped may fit on one now.
    ui.Label13->adjustSize();
    ui.Label12->adjustSize();
  }
  ShowWorking(std::move(working));
}

void NaturalNumbersPage::SadeVuruqlaraAyirClick() {
  SetCaption(ui.Label55, QString());
  MoveLeftEdge(ui.Label55, 53);
  const std::string typed = FieldText(ui.Edit45);
  const std::int32_t n = ParseInteger(typed);
  const Factorisation result = Factorise(typed, n);
  Working working = FactorisationSteps(n, result);
  if (result.wide) MoveLeftEdge(ui.Label55, 16);
  SetCaption(ui.Label55, Text(result.caption));
  ui.Label55->setToolTip(ui.Label55->text());
  if (result.addToHistory) ui.Ayrilislar->addItem(ui.Label55->text());
  ShowWorking(std::move(working));
}

void NaturalNumbersPage::TntBitBtn3Click() {
  ui.Ayrilislar->clear();
  ui.Edit45->setText(QStringLiteral("1"));
  SetCaption(ui.Label55, QStringLiteral("1 не простое и не составное число"));
  ui.Label55->setToolTip(QString());
}

void NaturalNumbersPage::UpDown3Click() {
  SadeVuruqlaraAyirClick();
}

void NaturalNumbersPage::SadeEdedlerClick() {
  primes_.Clear();
  const std::int32_t n = ParseInteger(FieldText(ui.Edit46));
  primes_.Fill(n);
  ShowWorking(PrimesSteps(n, primes_.rowCount()));
}

void NaturalNumbersPage::TntBitBtn1Click() {
  primes_.Clear();
}

}  // namespace kalkora
