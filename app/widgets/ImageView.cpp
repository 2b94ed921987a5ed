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

namespace {

// The raster's rows are already 32-bit RGB pixels: the image shares them, without a copy.
QImage Shared(const Raster& raster) {
  return QImage(reinterpret_cast<const uchar*>(raster.Data()), raster.Width(), raster.Height(),
                raster.Width() * 4, QImage::Format_RGB32);
}

}  // namespace

QImage ImageView::Image() const {
  if (raster_ == nullptr) return {};
  QImage image = Shared(*raster_).copy();
  if (overlay_) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    overlay_(painter);
  }
  return image;
}

void ImageView::SetFaded(bool faded) {
  if (faded == faded_) return;
  faded_ = faded;
  update();
}

void ImageView::paintEvent(QPaintEvent*) {
  if (raster_ == nullptr) return;
  QPainter painter(this);
  painter.drawImage(0, 0, Shared(*raster_));
  if (overlay_) overlay_(painter);
  if (faded_) painter.fillRect(rect(), QColor(255, 255, 255, 150));
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT MouseMove(at.x(), at.y());
  QWidget::mouseMoveEvent(event);
}

}  // namespace kalkora
