#include "app/OProqramme.h"

#include <QScreen>

#include "app/Fonts.h"
#include "app/Texts.h"

namespace kalkora {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kOlive(128, 128, 0);

void SetColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
  ui.TntLabel2->setText(texts::VersionLine());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(298, 214);
  QFont dialogFont(QStringLiteral("MS Sans Serif"));
  dialogFont.setPixelSize(11);
  setFont(dialogFont);
  ui.Panel1->setFont(Tahoma(11));
  ui.TntLabel1->setFont(Tahoma(21, true));
  SetColour(ui.TntLabel1, kBlue);
  SetColour(ui.TntLabel2, kOlive);
  SetColour(ui.TntLabel5, kBlue);
  // Drawn from its SVG when the box is first shown, sharp at any scale.
  ui.ProgramIcon->SetSource(QStringLiteral(":/pictures/program.svg"));
  connect(ui.OKButton, &QPushButton::clicked, this, &QDialog::accept);
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

}  // namespace kalkora
