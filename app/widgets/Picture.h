// A picture drawn from an SVG file at whatever size and pixel density it is shown, so that it is
// sharp on every screen. The file is read when the picture is first shown, not at start-up.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace kalkora {

class Picture : public QWidget {
  Q_OBJECT
 public:
  explicit Picture(QWidget* parent = nullptr) : QWidget(parent) {}

  // The picture's file, usually a resource (":/pictures/...").
  void SetSource(const QString& path);
  // Whether the file holds a picture (reads it if that has not happened yet).
  bool IsValid();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer& Renderer();

  QString source_;
  bool loaded_ = false;
  QSvgRenderer renderer_;
};

}  // namespace kalkora
