#include "app/pages/PolynomialPage.h"

#include "app/Fonts.h"
#include "app/pages/PageStyle.h"
#include "app/widgets/CopyMenu.h"
#include "exact/Exact.h"
#include "polynomials/Polynomial.h"
#include "polynomials/PolynomialSteps.h"

namespace kalkora {

PolynomialPage::PolynomialPage(Platform& platform, QWidget* parent) : Page(platform, parent) {
  ui.setupUi(this);
  ui.Image5->SetSource(QStringLiteral(":/pictures/polynomial.svg"));
  PaintGroup(ui.TntGroupBox12);
  // Only the caption is blue: the controls inside keep the window's colours.
  for (QWidget* control : ui.TntGroupBox12->findChildren<QWidget*>()) {
    control->setFont(Tahoma(11));
    PaintText(control, kBlackText);
  }
  for (QLabel* note : {ui.Label53, ui.Label52})
    PaintText(note, Qt::white);
  ui.Label53->setFont(Tahoma(11, true));
  ui.Label52->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ui.Label25->SetBreakBeforeSigns(true);
  ui.Label51->SetBreakBeforeSigns(true);
  OfferCopy(ui.Label25, ui.Label26);
  OfferCopy(ui.Label51, ui.Label50);
  for (QLabel* label : findChildren<QLabel*>()) {
    if (label != ui.Label52) label->adjustSize();
  }
  ui.CoxhedliniSil->setIcon(QIcon(QStringLiteral(":/icons/clear.svg")));
  ui.ToremeniTap->setIcon(QIcon(QStringLiteral(":/icons/12-derivative.svg")));
  ui.CoxhedlininQiymetiniTap->setIcon(QIcon(QStringLiteral(":/icons/06-calculator.svg")));

  for (QPushButton* key :
       {ui.Button3, ui.Button4, ui.Button5, ui.Button6, ui.Button7, ui.Button8, ui.Button9,
        ui.Button10, ui.Button11, ui.Button12, ui.Button13, ui.Button14, ui.Button15}) {
    // Button3Click to Button15Click: the one shared operation with the button's own text.
    ConnectGuarded(platform.dialogs, this, key, &QPushButton::clicked,
                   [this, key] { Append(key->text()); });
  }
  Bind(ui.Button16, &QPushButton::clicked, &PolynomialPage::Button16Click);
  Bind(ui.CoxhedliniSil, &QPushButton::clicked, &PolynomialPage::CoxhedliniSilClick);
  derivative_ = Answers({ui.Edit43}, {ui.Label25});
  value_ = Answers({ui.Edit43, ui.Edit44}, {ui.Label51});
  BindSolve(ui.ToremeniTap, &QPushButton::clicked, &PolynomialPage::ToremeniTapClick, derivative_);
  BindSolve(ui.CoxhedlininQiymetiniTap, &QPushButton::clicked,
            &PolynomialPage::CoxhedlininQiymetiniTapClick, value_);
  // Enter is not among the polynomial's characters, nor among the value's: it only moves on.
  BindField(ui.Edit43, {.keys = PolynomialKeys, .next = ui.CoxhedliniSil});
  BindField(ui.Edit44, {.keys = SignedNumberNoEnterKeys, .next = ui.CoxhedlininQiymetiniTap});
}

void PolynomialPage::Append(const QString& text) {
  QString polynomial = ui.Edit43->text() + text;
  if (polynomial.startsWith(u'0')) polynomial.remove(0, 1);
  ui.Edit43->setText(polynomial);
  ui.Edit43->setFocus();
  ui.Edit43->setCursorPosition(static_cast<int>(polynomial.size()));
  MarkOutdated(derivative_);
  MarkOutdated(value_);
}

void PolynomialPage::Button16Click() {
  QString polynomial = ui.Edit43->text();
  if (polynomial.isEmpty()) return;
  polynomial.chop(1);
  ui.Edit43->setText(polynomial);
  MarkOutdated(derivative_);
  MarkOutdated(value_);
}

void PolynomialPage::CoxhedliniSilClick() {
  ui.Edit43->setText(QStringLiteral("0"));
  SetCaption(ui.Label25, QStringLiteral("0"));
  ui.Edit44->setText(QStringLiteral("0"));
  SetCaption(ui.Label51, QStringLiteral("0"));
  ForgetWorking();
}

void PolynomialPage::ToremeniTapClick() {
  const std::string polynomial = FieldText(ui.Edit43);
  const DerivativeOutcome outcome = Derivative(polynomial);
  if (!outcome.message.empty()) {
    ShowMessage(QString::fromStdString(outcome.message));
    return;
  }
  Working working = DerivativeSteps(polynomial);
  SetCaption(ui.Label25, QString::fromStdString(outcome.text));
  ShowWorking(std::move(working));
}

void PolynomialPage::CoxhedlininQiymetiniTapClick() {
  const std::string polynomial = FieldText(ui.Edit43);
  // The value of x is a number whatever the polynomial: a letter's value is x as typed.
  const Rational x = ParseExact(FieldText(ui.Edit44));
  if (IsSingleLetter(polynomial)) {
    Working working = LetterValueSteps(polynomial, FieldText(ui.Edit44));
    SetCaption(ui.Label51, ui.Edit44->text());
    ShowWorking(std::move(working));
    return;
  }
  const std::optional<std::vector<PolynomialTerm>> terms = ReadPolynomialNumbers(polynomial);
  if (!terms) {
    ShowMessage(QString::fromUtf8(kWrongPolynomial));
    return;
  }
  const PolynomialNumber value = PolynomialValue(*terms, x);
  Working working = PolynomialValueSteps(*terms, x, value);
  SetCaption(ui.Label51, QString::fromStdString(WriteNumber(value)));
  ShowWorking(std::move(working));
}

}  // namespace kalkora
