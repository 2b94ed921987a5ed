#include "app/widgets/Picture.h"

#include <QPainter>

namespace kalkora {

void Picture::SetSource(const QString& path) {
  renderer_.load(path);
  update();
}

void Picture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, QRectF(rect()));
}

}  // namespace kalkora
