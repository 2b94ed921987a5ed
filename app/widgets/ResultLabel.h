// A label for a result line of any length: it sizes itself to its caption like any label, and
// a caption too long for the room up to its parent's right edge continues on the next line
// rather than being cut off at the edge (a long product of prime factors). Lines break only
// after "=", "*" or a space, so that a number is never split, and wherever the caption holds a
// line feed.
#pragma once

#include <QLabel>
#include <QStringList>

namespace kalkora {

class ResultLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ResultLabel(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  // The caption as it is laid out in the room it has now, line by line.
  QStringList Lines() const;

  // Also break before a "+" or "-" that joins two terms (one after "E" or "^" belongs to its
  // number's exponent).
  void SetBreakBeforeSigns(bool on) { breakBeforeSigns_ = on; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int RoomToTheRight() const;
  bool BreaksAfter(const QString& caption, qsizetype i) const;

  bool breakBeforeSigns_ = false;
};

}  // namespace kalkora
