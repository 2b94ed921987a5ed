#include "app/widgets/ResultLabel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kalkora {

namespace {

constexpr int kRightMargin = 6;

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

QStringList ResultLabel::Lines() const {
  const QString caption = text();
  const QFontMetricsF metrics(font());
  const int room = RoomToTheRight();
  QStringList lines;
  QString line;
  const auto add = [&](const QString& piece) {
    if (!line.isEmpty() && WidthOf(metrics, line + piece) > room) {
      lines << line;
      line.clear();
    }
    // A piece wider than the room has no place to break: it stays whole on its own line.
    line += piece;
  };
  qsizetype pieceStart = 0;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'\n') {
      add(caption.mid(pieceStart, i - pieceStart));
      lines << line;
      line.clear();
      pieceStart = i + 1;
    } else if (BreaksAfter(caption, i)) {
      add(caption.mid(pieceStart, i + 1 - pieceStart));
      pieceStart = i + 1;
    }
  }
  add(caption.mid(pieceStart));
  lines << line;
  return lines;
}

QSize ResultLabel::sizeHint() const {
  const QFontMetricsF metrics(font());
  const int full = WidthOf(metrics, text());
  const int lineHeight = QFontMetrics(font()).height();
  if (full <= RoomToTheRight() && !text().contains(u'\n')) return {std::max(full, 1), lineHeight};
  const QStringList lines = Lines();
  int widest = 1;
  for (const QString& line : lines)
    widest = std::max(widest, WidthOf(metrics, line));
  return {widest, static_cast<int>(lines.size()) * lineHeight};
}

void ResultLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(foregroundRole()));
  const int lineHeight = QFontMetrics(font()).height();
  int top = 0;
  for (const QString& line : Lines()) {
    painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignLeft | Qt::AlignTop, line);
    top += lineHeight;
  }
}

}  // namespace kalkora
