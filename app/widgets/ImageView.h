// Shows a Raster, the pixel buffer the graph is drawn on, and reports the pointer's moves over it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>

namespace kalkora {

class Raster;

class ImageView : public QWidget {
  Q_OBJECT
 public:
  explicit ImageView(QWidget* parent = nullptr);

  // The raster shown; it must outlive the view. Call update() after drawing on it.
  void SetRaster(const Raster* raster);
  // A copy of the picture as it is shown; a null image without a raster.
  QImage Image() const;
  // Painted over the raster, on the screen and in Image(): what the raster cannot draw, text.
  void SetOverlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }
  // A picture that no longer answers its fields is shown faded; copies and saves are unfaded.
  void SetFaded(bool faded);
  bool Faded() const { return faded_; }

 Q_SIGNALS:
  // The pointer moved to pixel (x, y) of the image.
  void MouseMove(int x, int y);
  // The pointer left the image.
  void MouseLeft();
  // The wheel turned over pixel (x, y) by `delta` eighths of a degree, forward positive: the
  // turns since the last report, added up, once the events waiting have been handled.
  void Wheel(int x, int y, int delta);
  // The picture was dragged `dx` pixels across and let go; while dragging it is shown moved.
  void Dragged(int dx);
  void DoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const Raster* raster_ = nullptr;
  bool wheelPending_ = false;
  int wheelDelta_ = 0;
  QPoint wheelAt_;
  bool dragging_ = false;
  bool moved_ = false;  // far enough to be a drag, not a click
  int dragFrom_ = 0;
  int dragBy_ = 0;
  bool faded_ = false;
  std::function<void(QPainter&)> overlay_;
};

}  // namespace kalkora
