#include "app/widgets/ResultLabel.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace kalkora {

namespace {

// Kept free inside the parent, clear of a group box's frame.
constexpr int kRightMargin = 6;
constexpr int kBottomMargin = 6;
const QString kEllipsis = QStringLiteral("…");

// Text is laid out in fractions of a pixel: round up, or the last character would not fit.
int WidthOf(const QFontMetricsF& metrics, const QString& text) {
  return static_cast<int>(std::ceil(metrics.horizontalAdvance(text))) + 1;
}

}  // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
  // A caption may hold what the user typed: never markup.
  setTextFormat(Qt::PlainText);
}

bool ResultLabel::BreaksAfter(const QString& caption, qsizetype i) const {
  const QChar c = caption[i];
  if (c == u'=' || c == u'*' || c == u' ') return true;
  if (!breakBeforeSigns_ || i + 1 >= caption.size()) return false;
  const QChar next = caption[i + 1];
  return (next == u'+' || next == u'-') && c != u'E' && c != u'^';
}

int ResultLabel::RoomToTheRight() const {
  if (!parentWidget()) return QWIDGETSIZE_MAX;
  return std::max(1, parentWidget()->width() - kRightMargin - x());
}

int ResultLabel::RoomBelow() const {
  if (!parentWidget()) return QWIDGETSIZE_MAX;
  return parentWidget()->height() - kBottomMargin - y();
}

ResultLabel::Wrapped ResultLabel::Wrap(qsizetype most) const {
  const QString caption = text();
  const QFontMetricsF metrics(font());
  const int room = RoomToTheRight();
  Wrapped wrapped;
  QString line;
  // Ends the line; false once it is the last one wanted.
  const auto endLine = [&] {
    wrapped.lines << line;
    line.clear();
    return wrapped.lines.size() < most;
  };
  // False when the piece is left over after the last line wanted.
  const auto add = [&](const QString& piece) {
    if (piece.isEmpty()) return true;
    if (!line.isEmpty() && WidthOf(metrics, line + piece) > room && !endLine()) return false;
    // A piece wider than the room has no place to break: it stays whole on its own line.
    line += piece;
    return true;
  };
  qsizetype pieceStart = 0;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'\n') {
      if (!add(caption.mid(pieceStart, i - pieceStart))) {
        wrapped.cut = true;
        return wrapped;
      }
      if (!endLine()) {
        wrapped.cut = i + 1 < caption.size();
        return wrapped;
      }
      pieceStart = i + 1;
    } else if (BreaksAfter(caption, i)) {
      if (!add(caption.mid(pieceStart, i + 1 - pieceStart))) {
        wrapped.cut = true;
        return wrapped;
      }
      pieceStart = i + 1;
    }
  }
  wrapped.cut = !add(caption.mid(pieceStart));
  if (!wrapped.cut) wrapped.lines << line;
  return wrapped;
}

QStringList ResultLabel::Lines() const {
  return Wrap(std::numeric_limits<qsizetype>::max()).lines;
}

const ResultLabel::Wrapped& ResultLabel::Shown() const {
  const int right = RoomToTheRight(), below = RoomBelow();
  if (shown_.text == text() && shown_.font == font() && shown_.right == right &&
      shown_.below == below && shown_.signs == breakBeforeSigns_) {
    return shown_.wrapped;
  }
  // Whole lines only, and always at least one.
  const int lineHeight = QFontMetrics(font()).height();
  Wrapped wrapped = Wrap(std::max(1, below / std::max(1, lineHeight)));
  if (wrapped.cut) {
    const QFontMetricsF metrics(font());
    QString& last = wrapped.lines.back();
    while (!last.isEmpty() && WidthOf(metrics, last + kEllipsis) > right) {
      last.chop(last.size() > 1 && last.back().isLowSurrogate() ? 2 : 1);
    }
    last += kEllipsis;
  }
  shown_ = {text(), font(), right, below, breakBeforeSigns_, std::move(wrapped)};
  return shown_.wrapped;
}

QStringList ResultLabel::ShownLines() const {
  return Shown().lines;
}

bool ResultLabel::IsCut() const {
  return Shown().cut;
}

QSize ResultLabel::sizeHint() const {
  const QFontMetricsF metrics(font());
  const int full = WidthOf(metrics, text());
  const int lineHeight = QFontMetrics(font()).height();
  if (full <= RoomToTheRight() && !text().contains(u'\n')) return {std::max(full, 1), lineHeight};
  const QStringList& lines = Shown().lines;
  int widest = 1;
  for (const QString& line : lines)
    widest = std::max(widest, WidthOf(metrics, line));
  return {widest, static_cast<int>(lines.size()) * lineHeight};
}

void ResultLabel::FollowCut() {
  if (IsCut()) {
    if (toolTip() != text() && (toolTip().isEmpty() || toolTip() == ownToolTip_)) {
      ownToolTip_ = text();
      setToolTip(ownToolTip_);
    }
  } else if (!ownToolTip_.isEmpty()) {
    if (toolTip() == ownToolTip_) setToolTip(QString());
    ownToolTip_.clear();
  }
}

bool ResultLabel::event(QEvent* event) {
  switch (event->type()) {
    // Whatever changed the caption or the room, the tooltip is right when it is asked for.
    case QEvent::ToolTip:
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::ParentChange:
      FollowCut();
      break;
    default:
      break;
  }
  return QLabel::event(event);
}

void ResultLabel::paintEvent(QPaintEvent*) {
  FollowCut();
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(foregroundRole()));
  const int lineHeight = QFontMetrics(font()).height();
  int top = 0;
  for (const QString& line : Shown().lines) {
    painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignLeft | Qt::AlignTop, line);
    top += lineHeight;
  }
}

}  // namespace kalkora
