#include "app/widgets/ImageView.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <cstdlib>

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
  if (moved_) {
    // Until the drag ends and the curves are built again, the picture simply moves.
    painter.fillRect(rect(), QColor(0, 0, 255));
    painter.drawImage(dragBy_, 0, Shared(*raster_));
  } else {
    painter.drawImage(0, 0, Shared(*raster_));
    if (overlay_) overlay_(painter);
  }
  if (faded_) painter.fillRect(rect(), QColor(255, 255, 255, 150));
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (dragging_) {
    // A few pixels of a click's wobble are no drag.
    constexpr int kDragStart = 3;
    const int by = at.x() - dragFrom_;
    if (moved_ || std::abs(by) >= kDragStart) {
      moved_ = true;
      dragBy_ = by;
      update();
    }
  }
  Q_EMIT MouseMove(at.x(), at.y());
  QWidget::mouseMoveEvent(event);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragging_ = true;
    dragFrom_ = event->position().toPoint().x();
    dragBy_ = 0;
    moved_ = false;
  }
  QWidget::mousePressEvent(event);
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && dragging_) {
    dragging_ = false;
    const int by = moved_ ? dragBy_ : 0;
    dragBy_ = 0;
    moved_ = false;
    update();
    if (by != 0) Q_EMIT Dragged(by);
  }
  QWidget::mouseReleaseEvent(event);
}

void ImageView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT DoubleClicked();
  QWidget::mouseDoubleClickEvent(event);
}

void ImageView::wheelEvent(QWheelEvent* event) {
  const QPoint at = event->position().toPoint();
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    event->ignore();
    return;
  }
  event->accept();
  // Turns that arrive while the curves are being built are added up and answered with one
  // build, rather than one build each, long after the wheel has stopped.
  wheelAt_ = at;
  wheelDelta_ += delta;
  if (wheelPending_) return;
  wheelPending_ = true;
  QTimer::singleShot(0, this, [this] {
    const int added = wheelDelta_;
    wheelPending_ = false;
    wheelDelta_ = 0;
    if (added != 0) Q_EMIT Wheel(wheelAt_.x(), wheelAt_.y(), added);
  });
}

void ImageView::leaveEvent(QEvent* event) {
  Q_EMIT MouseLeft();
  QWidget::leaveEvent(event);
}

}  // namespace kalkora
