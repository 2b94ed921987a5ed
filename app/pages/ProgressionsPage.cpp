#include "app/pages/ProgressionsPage.h"

#include <memory>
#include <utility>

#include "app/Fonts.h"
#include "app/Texts.h"
#include "app/pages/PageStyle.h"
#include "app/widgets/CopyMenu.h"
#include "common/Float.h"
#include "exact/Exact.h"
#include "numbers/ProgressionsSteps.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

constexpr int kRowHeight = 13;

}  // namespace

ProgressionsPage::ProgressionsPage(Platform& platform, QWidget* parent) : Page(platform, parent) {
  ui.setupUi(this);
  setFont(Tahoma(11, true));
  PaintText(ui.Silsilesec, kRedText);
  ui.Silsilesec->hide();
  for (QLabel* label : findChildren<QLabel*>())
    label->adjustSize();

  ui.UpDown2->Associate(ui.Edit27);
  ui.UpDown2->SetRange(1, 32500);
  ui.UpDown2->SetPosition(1);
  ui.UpDown2->SetEnds(UpDown::Ends::Stop);

  ui.ListBox1->setAccessibleName(QStringLiteral("Члены прогрессии"));
  ui.ListBox1->setModel(&rows_);
  ui.ListBox1->SetRowHeight(kRowHeight);
  QPalette list = ui.ListBox1->palette();
  list.setColor(QPalette::Base, Qt::black);
  list.setColor(QPalette::Text, kTealText);
  ui.ListBox1->setPalette(list);
  OfferCopy(ui.Label33);
  OfferCopy(ui.Label35);
  OfferCopy(ui.ListBox1);

  // Bound to clicks: unchecking the other box from a handler runs no handler of its own.
  Bind(ui.TntCheckBox7, &QCheckBox::clicked, &ProgressionsPage::TntCheckBox7Click);
  Bind(ui.TntCheckBox8, &QCheckBox::clicked, &ProgressionsPage::TntCheckBox8Click);
  Results* terms =
      Answers({ui.Edit27, ui.Edit28, ui.Edit29}, {ui.Label33, ui.ListBox1, ui.Label35});
  BindSolve(ui.NciHeddveCemleri, &QPushButton::clicked, &ProgressionsPage::NciHeddveCemleriClick,
            terms);
  Bind(ui.HeddlerinSiyahisiniTemizle, &QPushButton::clicked,
       &ProgressionsPage::HeddlerinSiyahisiniTemizleClick);
  BindSolve(ui.UpDown2, &UpDown::Click, &ProgressionsPage::UpDown2Click, terms);
  BindField(ui.Edit27, {.keys = DigitKeys, .next = ui.Edit28});
  BindField(ui.Edit28, {.keys = SignedNumberKeys, .next = ui.Edit29});
  BindField(ui.Edit29, {.keys = SignedNumberKeys, .next = ui.NciHeddveCemleri});
}

void ProgressionsPage::ChooseKind(ProgressionKind kind) {
  const bool arithmetic = kind == ProgressionKind::Arithmetic;
  ui.Silsilesec->hide();
  (arithmetic ? ui.TntCheckBox8 : ui.TntCheckBox7)->setChecked(false);
  SetCaption(ui.Label31, arithmetic ? QStringLiteral("d=") : QStringLiteral("q="));
  SetCaption(ui.Label32, arithmetic ? QStringLiteral("a1=") : QStringLiteral("b1="));
  SetCaption(ui.Label33, arithmetic ? QStringLiteral("a(1)=0") : QStringLiteral("b(1)=0"));
  ui.Edit27->setText(QStringLiteral("1"));
  ui.Edit28->setText(QStringLiteral("0"));
  ui.Edit29->setText(QStringLiteral("0"));
  SetCaption(ui.Label35, QStringLiteral("S=0"));
  rows_.Clear();
}

void ProgressionsPage::TntCheckBox7Click() {
  ChooseKind(ProgressionKind::Arithmetic);
}

void ProgressionsPage::TntCheckBox8Click() {
  ChooseKind(ProgressionKind::Geometric);
}

void ProgressionsPage::NciHeddveCemleriClick() {
  if (!ui.TntCheckBox7->isChecked() && !ui.TntCheckBox8->isChecked()) {
    ui.Silsilesec->show();
    ShowWorking(FailedWorking({}, ui.Silsilesec->text().toStdString()));
    return;
  }
  const bool arithmetic = ui.TntCheckBox7->isChecked();
  const std::string nText = FieldText(ui.Edit27);
  const std::int32_t n = ParseInteger(nText);
  const std::string stepText = FieldText(ui.Edit28);
  const std::string firstText = FieldText(ui.Edit29);
  // Arithmetic terms are exact; geometric ones follow the 80-bit recurrence from the nearest
  // 80-bit values of the fields.
  std::shared_ptr<const Progression> progression;
  if (arithmetic) {
    Rational step = ParseExact(stepText);
    Rational first = ParseExact(firstText);
    if (n <= 0) return RefuseCount();
    progression = std::make_shared<const Progression>(
        Progression::Arithmetic(std::move(first), std::move(step), n));
  } else {
    const Extended step = ParseFloat(stepText);
    const Extended first = ParseFloat(firstText);
    if (n <= 0) return RefuseCount();
    progression = std::make_shared<const Progression>(Progression::Geometric(first, step, n));
  }
  rows_.Write(progression);
  SetCaption(ui.Label33,
             QString::fromStdString(TermCaption(*progression, progression->Count(), firstText)));
  // After an overflow the list ends before the term that overflowed, after a cut at the last
  // term multiplied out; the sum is that of the rows it holds, and either is still reported.
  SetCaption(ui.Label35, texts::Shown(QString::fromStdString(SumCaption(*progression, nText))));
  if (progression->Overflowed()) ThrowOverflow();
  if (progression->Cut()) {
    ShowMessage(QStringLiteral("Показаны члены с 1-го по %1-й: остальные вычислялись бы слишком "
                               "долго")
                    .arg(progression->Count()));
  }
  ShowWorking(ProgressionSteps(*progression));
}

void ProgressionsPage::RefuseCount() {
  ShowMessage(QStringLiteral("Число членов n должно быть натуральным"));
}

void ProgressionsPage::HeddlerinSiyahisiniTemizleClick() {
  rows_.Clear();
}

void ProgressionsPage::UpDown2Click() {
  NciHeddveCemleriClick();
}

}  // namespace kalkora
