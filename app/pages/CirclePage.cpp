#include "app/pages/CirclePage.h"

#include "app/Fonts.h"
#include "app/pages/PageStyle.h"
#include "app/widgets/CopyMenu.h"
#include "geometry/Circle.h"
#include "geometry/CircleSteps.h"

namespace kalkora {

namespace {

// A radius can only be pasted negative: the field's keys have no minus.
const QString kNegativeRadius = QStringLiteral("Радиус не может быть отрицательным");

QString Shown(const Rational& value) {
  return QString::fromStdString(FormatFixed(value, 4, 2));
}

}  // namespace

CirclePage::CirclePage(Platform& platform, QWidget* parent) : Page(platform, parent) {
  ui.setupUi(this);
  ui.Image4->SetSource(QStringLiteral(":/pictures/circle.svg"));
  setFont(Tahoma(11, true));
  PaintText(ui.TntLabel13, kBlueText);
  PaintText(ui.TntLabel15, kBlueText);
  for (QWidget* navy : std::initializer_list<QWidget*>{
           ui.Label22, ui.Label23, ui.CevreninUzunlugunuTap, ui.DaireninSahesiniTap}) {
    PaintText(navy, kNavyText);
  }
  for (QWidget* large : std::initializer_list<QWidget*>{ui.Edit25, ui.Label22})
    large->setFont(Tahoma(13, true));
  // Speed buttons: a click never takes the keyboard focus from the field.
  for (QPushButton* button : {ui.CevreninUzunlugunuTap, ui.DaireninSahesiniTap})
    button->setFocusPolicy(Qt::NoFocus);
  for (QLabel* label : findChildren<QLabel*>())
    label->adjustSize();
  OfferCopy(ui.Label22);
  OfferCopy(ui.Label23);

  // Each half shows its own working: the page's working is what the last click computed.
  BindSolve(ui.CevreninUzunlugunuTap, &QPushButton::clicked,
            &CirclePage::CevreninUzunlugunuTapClick, Answers({ui.Edit25}, {ui.Label22}));
  BindSolve(ui.DaireninSahesiniTap, &QPushButton::clicked, &CirclePage::DaireninSahesiniTapClick,
            Answers({ui.Edit26}, {ui.Label23}));
  BindField(ui.Edit25, {.keys = UnsignedNumberKeys});
  BindField(ui.Edit26, {.keys = UnsignedNumberKeys});
}

void CirclePage::CevreninUzunlugunuTapClick() {
  const Rational r = ParseExact(FieldText(ui.Edit25));
  if (sgn(r) < 0) {
    ShowMessage(kNegativeRadius);
    return;
  }
  const Rational length = CircleLength(r);
  Working working = CircleLengthSteps(r, length);
  SetCaption(ui.Label22, QStringLiteral("C=") + Shown(length));
  ShowWorking(std::move(working));
}

void CirclePage::DaireninSahesiniTapClick() {
  const Rational r = ParseExact(FieldText(ui.Edit26));
  if (sgn(r) < 0) {
    ShowMessage(kNegativeRadius);
    return;
  }
  const Rational area = DiscArea(r);
  Working working = DiscAreaSteps(r, area);
  SetCaption(ui.Label23, QStringLiteral("S=") + Shown(area));
  ShowWorking(std::move(working));
}

}  // namespace kalkora
