#include "app/pages/CirclePage.h"

#include "app/Fonts.h"
#include "app/pages/PageStyle.h"
#include "geometry/Circle.h"
#include "numtext/NumText.h"

namespace kalkora {

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

  Bind(ui.CevreninUzunlugunuTap, &QPushButton::clicked, &CirclePage::CevreninUzunlugunuTapClick);
  Bind(ui.DaireninSahesiniTap, &QPushButton::clicked, &CirclePage::DaireninSahesiniTapClick);
  BindKeys(ui.Edit25, &CirclePage::Edit25KeyPress);
  BindKeys(ui.Edit26, &CirclePage::Edit26KeyPress);
}

void CirclePage::CevreninUzunlugunuTapClick() {
  const Extended r = ParseFloat(FieldText(ui.Edit25));
  SetCaption(ui.Label22, QStringLiteral("C=") + Fixed(CircleLength(r), 4));
}

void CirclePage::DaireninSahesiniTapClick() {
  const Extended r = ParseFloat(FieldText(ui.Edit26));
  SetCaption(ui.Label23, QStringLiteral("S=") + Fixed(DiscArea(r), 4));
}

void CirclePage::Edit25KeyPress(QChar& key) {
  FilterKey(key, UnsignedNumberKeys, nullptr, EnterKey::Dropped);
}

void CirclePage::Edit26KeyPress(QChar& key) {
  FilterKey(key, UnsignedNumberKeys, nullptr, EnterKey::Dropped);
}

}  // namespace kalkora
