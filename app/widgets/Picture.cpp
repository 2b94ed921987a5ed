#include "app/widgets/Picture.h"

#include <QPainter>

namespace kalkora {

void Picture::SetSource(const QString& path) {
  source_ = path;
  loaded_ = false;
  update();
}

QSvgRenderer& Picture::Renderer() {
  if (!loaded_) {
    renderer_.load(source_);
    loaded_ = true;
  }
  return renderer_;
}

bool Picture::IsValid() {
  return Renderer().isValid();
}

void Picture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  Renderer().render(&painter, QRectF(rect()));
}

}  // namespace kalkora
