#include "app/widgets/ImageView.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "graphs/Raster.h"

namespace kalkora {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::SetRaster(const Raster* raster) {
  raster_ = raster;
  update();
}

void ImageView::paintEvent(QPaintEvent*) {
  if (raster_ == nullptr) return;
  // The raster's rows are already 32-bit RGB pixels: show them without a copy.
  const QImage image(reinterpret_cast<const uchar*>(raster_->Data()), raster_->Width(),
                     raster_->Height(), raster_->Width() * 4, QImage::Format_RGB32);
  QPainter painter(this);
  painter.drawImage(0, 0, image);
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT MouseMove(at.x(), at.y());
  QWidget::mouseMoveEvent(event);
}

}  // namespace kalkora
