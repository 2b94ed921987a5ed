#include "app/widgets/ResultLabel.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace kalkora {

namespace {

constexpr int kRightMargin = 6;

QTextOption WrapAnywhere() {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

}  // namespace

int ResultLabel::RoomToTheRight() const {
  if (!parentWidget()) return QWIDGETSIZE_MAX;
  return std::max(1, parentWidget()->width() - kRightMargin - x());
}

QSize ResultLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  // Text is laid out in fractions of a pixel: round up, or the last character would wrap.
  const int full = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))) + 1;
  const int room = RoomToTheRight();
  if (full <= room) return {std::max(full, 1), metrics.height()};
  QTextLayout layout(text(), font());
  layout.setTextOption(WrapAnywhere());
  layout.beginLayout();
  int lines = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(room);
    ++lines;
  }
  layout.endLayout();
  return {room, lines * metrics.height()};
}

void ResultLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(QRectF(rect()), text(), WrapAnywhere());
}

}  // namespace kalkora
