// Page 8 "Окружность и круг": the length of a circle and the area of a disc.
#pragma once

#include "app/pages/Page.h"
#include "ui_CirclePage.h"

namespace kalkora {

class CirclePage : public Page {
  Q_OBJECT
 public:
  explicit CirclePage(Platform& platform, QWidget* parent = nullptr);

  void CevreninUzunlugunuTapClick();
  void DaireninSahesiniTapClick();

 private:
  Ui::CirclePage ui;
};

}  // namespace kalkora
