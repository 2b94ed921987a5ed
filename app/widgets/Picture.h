// A picture drawn from an SVG file at whatever size and pixel density it is shown, so that it is
// sharp on every screen.
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
  bool IsValid() const { return renderer_.isValid(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer renderer_;
};

}  // namespace kalkora
