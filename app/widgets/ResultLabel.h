// A label for a result line of any length: it sizes itself to its caption like any label, and
// a caption too long for the room up to its parent's right edge continues on the next line,
// broken anywhere, rather than being cut off at the edge (a long product of prime factors).
#pragma once

#include <QLabel>

namespace kalkora {

class ResultLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int RoomToTheRight() const;
};

}  // namespace kalkora
