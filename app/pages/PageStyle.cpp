#include "app/pages/PageStyle.h"

#include <QLabel>
#include <QWidget>

#include "app/Fonts.h"
#include "app/widgets/Stale.h"

namespace kalkora {

void PaintText(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, colour);
  }
  widget->setPalette(palette);
}

void PaintGroup(QWidget* group) {
  group->setFont(Tahoma(11, true));
  PaintText(group, kBlueText);
}

void SetCaption(QLabel* label, const QString& caption) {
  // A caption the page writes is what it answers now.
  ShowFresh(label);
  label->setText(caption);
  label->adjustSize();
}

}  // namespace kalkora
