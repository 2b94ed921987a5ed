// The about box: the program's picture, name, version, language and authors.
#pragma once

#include <QDialog>

#include "ui_OProqramme.h"

namespace kalkora {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

 private:
  Ui::TAboutBox ui;
};

}  // namespace kalkora
