// A label for a result line of any length: it sizes itself to its caption like any label, and
// a caption too long for the room up to its parent's right edge continues on the next line
// rather than being cut off at the edge (a long product of prime factors). Lines break only
// after "=", "*" or a space, so that a number is never split, and wherever the caption holds a
// line feed. It shows as many whole lines as fit above its parent's bottom edge; when the
// caption goes on beyond them, the last line ends with "…" and the whole caption is the tooltip
// (text() stays the whole caption, for copying).
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

  // The whole caption as it is laid out in the room it has now, line by line.
  QStringList Lines() const;
  // The lines shown: the first of Lines() that fit the room below, the last ending with "…"
  // when the caption goes on.
  QStringList ShownLines() const;
  // Whether the caption goes on beyond the lines shown.
  bool IsCut() const;

  // Also break before a "+" or "-" that joins two terms (one after "E" or "^" belongs to its
  // number's exponent).
  void SetBreakBeforeSigns(bool on) { breakBeforeSigns_ = on; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Wrapped {
    QStringList lines;
    bool cut = false;  // text is left after the last line
  };
  // At most `most` lines of the caption.
  Wrapped Wrap(qsizetype most) const;
  const Wrapped& Shown() const;
  int RoomToTheRight() const;
  int RoomBelow() const;
  bool BreaksAfter(const QString& caption, qsizetype i) const;
  // The tooltip holds the whole caption while it is cut, and a tooltip the page set stays.
  void FollowCut();

  bool breakBeforeSigns_ = false;
  QString ownToolTip_;  // the tooltip this label set, if it still shows it
  // The lines shown, kept for the caption, font and room they were laid out for: the label
  // is measured and painted many times, and a long caption is costly to lay out.
  mutable struct {
    QString text;
    QFont font;
    int right = -1, below = -1;
    bool signs = false;
    Wrapped wrapped;
  } shown_;
};

}  // namespace kalkora
