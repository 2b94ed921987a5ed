#include "app/widgets/FormulaLayout.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>

namespace kalkora {

namespace {

// Scripts shrink by this much a level, down to a floor, so nested scripts stay readable.
constexpr double kScriptScale = 0.72;
constexpr int kDeepestLevel = 2;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

FormulaBox TextBox(const QString& text, const FormulaFont& face, double slant) {
  const QFontMetricsF& metrics = face.metrics;
  const QFont& font = face.font;
  FormulaBox box;
  box.width = face.Width(text) + slant;
  box.ascent = metrics.ascent();
  box.descent = metrics.descent();
  box.paint = [text, font](QPainter& painter, QPointF at) {
    painter.setFont(font);
    painter.drawText(at, text);
  };
  return box;
}

// The height of a fraction's bar and of the minus sign above the baseline.
double Axis(const FormulaFonts& fonts, int level) {
  return fonts.Text(level).metrics.xHeight() * 0.5;
}

double Rule(const FormulaFonts& fonts, int level) {
  return std::max(1.0, fonts.Em(level) / 15);
}

FormulaBox FractionBox(const FormulaNode& node, const FormulaFonts& fonts, int level) {
  const FormulaBox top = LayOutFormula(node.parts[0], fonts, level);
  const FormulaBox bottom = LayOutFormula(node.parts[1], fonts, level);
  const double em = fonts.Em(level), axis = Axis(fonts, level), rule = Rule(fonts, level);
  const double gap = em * 0.12, pad = em * 0.15;
  FormulaBox box;
  box.width = std::max(top.width, bottom.width) + 2 * pad;
  box.ascent = axis + rule / 2 + gap + top.height();
  box.descent = bottom.height() + gap + rule / 2 - axis;
  const double width = box.width;
  box.paint = [=](QPainter& painter, QPointF at) {
    const double bar = at.y() - axis;
    painter.fillRect(QRectF(at.x() + pad * 0.5, bar - rule / 2, width - pad, rule),
                     painter.pen().color());
    top.paint(painter, {at.x() + (width - top.width) / 2, bar - rule / 2 - gap - top.descent});
    bottom.paint(painter,
                 {at.x() + (width - bottom.width) / 2, bar + rule / 2 + gap + bottom.ascent});
  };
  return box;
}

FormulaBox RootBox(const FormulaNode& node, const FormulaFonts& fonts, int level) {
  const FormulaBox inner = LayOutFormula(node.parts[0], fonts, level);
  const double em = fonts.Em(level), rule = Rule(fonts, level);
  const double gap = em * 0.1, sign = em * 0.62;
  FormulaBox box;
  box.width = sign + inner.width + em * 0.12;
  box.ascent = inner.ascent + gap + rule;
  box.descent = inner.descent + em * 0.05;
  const double ascent = box.ascent, descent = box.descent, width = box.width;
  box.paint = [=](QPainter& painter, QPointF at) {
    const double top = at.y() - ascent + rule / 2, bottom = at.y() + descent;
    const double middle = at.y() - em * 0.3;
    QPainterPath path;
    path.moveTo(at.x() + em * 0.05, middle + em * 0.05);
    path.lineTo(at.x() + em * 0.18, middle - em * 0.02);
    path.lineTo(at.x() + em * 0.36, bottom);
    path.lineTo(at.x() + sign - em * 0.04, top);
    path.lineTo(at.x() + width, top);
    QPen pen = painter.pen();
    pen.setWidthF(rule);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
    inner.paint(painter, {at.x() + sign, at.y()});
  };
  return box;
}

// Cells in columns, numbers to the right: between bars for a determinant, and for a table
// without them but with a rule under its header row.
FormulaBox DeterminantBox(const FormulaNode& node, const FormulaFonts& fonts, int level) {
  const bool table = node.kind == FormulaNode::Kind::Table;
  const int columns = std::max(1, node.columns);
  const int rows = static_cast<int>((node.parts.size() + columns - 1) / columns);
  std::vector<FormulaBox> cells;
  for (const Formula& cell : node.parts)
    cells.push_back(LayOutFormula(cell, fonts, level));
  std::vector<double> widths(columns, 0), ascents(rows, 0), descents(rows, 0);
  for (size_t i = 0; i < cells.size(); ++i) {
    const int row = static_cast<int>(i) / columns, column = static_cast<int>(i) % columns;
    widths[column] = std::max(widths[column], cells[i].width);
    ascents[row] = std::max(ascents[row], cells[i].ascent);
    descents[row] = std::max(descents[row], cells[i].descent);
  }
  const double em = fonts.Em(level), axis = Axis(fonts, level), rule = Rule(fonts, level);
  const double rowGap = em * 0.2, columnGap = em * 0.9, side = em * 0.3;
  double height = rowGap * (rows - 1);
  for (int row = 0; row < rows; ++row)
    height += ascents[row] + descents[row];
  double inner = columnGap * (columns - 1);
  for (double width : widths)
    inner += width;
  FormulaBox box;
  box.width = table ? inner : inner + 2 * side + 2 * rule + em * 0.2;
  box.ascent = height / 2 + axis;
  box.descent = height / 2 - axis;
  const double ascent = box.ascent, width = box.width;
  box.paint = [=](QPainter& painter, QPointF at) {
    const double top = at.y() - ascent;
    const double left = table ? at.x() : at.x() + em * 0.1;
    if (!table) {
      painter.fillRect(QRectF(left, top, rule, height), painter.pen().color());
      painter.fillRect(QRectF(at.x() + width - em * 0.1 - rule, top, rule, height),
                       painter.pen().color());
    }
    double y = top;
    for (int row = 0; row < rows; ++row) {
      if (table && row == 1)
        painter.fillRect(QRectF(left, y - rowGap / 2 - rule / 2, width, rule),
                         painter.pen().color());
      y += ascents[row];
      double x = table ? left : left + rule + side;
      for (int column = 0; column < columns; ++column) {
        const size_t i = static_cast<size_t>(row) * columns + column;
        if (i < cells.size()) {
          // Numbers line up on the right, as they are written in columns.
          cells[i].paint(painter, {x + widths[column] - cells[i].width, y});
        }
        x += widths[column] + columnGap;
      }
      y += descents[row] + rowGap;
    }
  };
  return box;
}

// Equations one under another, left-aligned, behind a curly brace as tall as they are.
FormulaBox SystemBox(const FormulaNode& node, const FormulaFonts& fonts, int level) {
  std::vector<FormulaBox> rows;
  double inner = 0, height = 0;
  const double em = fonts.Em(level), axis = Axis(fonts, level), rule = Rule(fonts, level);
  const double rowGap = em * 0.25, brace = em * 0.55;
  for (const Formula& equation : node.parts) {
    rows.push_back(LayOutFormula(equation, fonts, level));
    inner = std::max(inner, rows.back().width);
    height += rows.back().height();
  }
  height += rowGap * (rows.empty() ? 0 : rows.size() - 1);
  FormulaBox box;
  box.width = brace + em * 0.2 + inner;
  box.ascent = height / 2 + axis;
  box.descent = height / 2 - axis;
  const double ascent = box.ascent;
  box.paint = [=](QPainter& painter, QPointF at) {
    const double top = at.y() - ascent, middle = top + height / 2, bottom = top + height;
    const double x0 = at.x() + em * 0.1, x1 = at.x() + brace * 0.55, x2 = at.x() + brace;
    QPainterPath path;
    path.moveTo(x2, top);
    path.cubicTo(x1, top, x1, top, x1, top + em * 0.25);
    path.lineTo(x1, middle - em * 0.25);
    path.cubicTo(x1, middle, x1, middle, x0, middle);
    path.cubicTo(x1, middle, x1, middle, x1, middle + em * 0.25);
    path.lineTo(x1, bottom - em * 0.25);
    path.cubicTo(x1, bottom, x1, bottom, x2, bottom);
    QPen pen = painter.pen();
    pen.setWidthF(rule * 1.2);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
    double y = top;
    for (const FormulaBox& row : rows) {
      row.paint(painter, {at.x() + brace + em * 0.2, y + row.ascent});
      y += row.height() + rowGap;
    }
  };
  return box;
}

// Pieces with their shifts, shared by the row's painter and every copy of it: boxes nest, and
// copying what they hold at each level would cost as much as the layout itself.
using Pieces = std::vector<std::pair<double, FormulaBox>>;

// Appends `piece` to `row` at the row's right end.
void Append(FormulaBox& row, Pieces& pieces, double shift, FormulaBox piece) {
  row.width += piece.width;
  row.ascent = std::max(row.ascent, piece.ascent - shift);
  row.descent = std::max(row.descent, piece.descent + shift);
  pieces.emplace_back(shift, std::move(piece));
}

}  // namespace

double FormulaFont::Width(const QString& text) const {
  // A bound on what is kept: one working never needs more, and a long session cannot grow it.
  constexpr qsizetype kMostKept = 4096;
  if (const auto found = widths.constFind(text); found != widths.cend()) return *found;
  if (widths.size() >= kMostKept) widths.clear();
  return widths[text] = metrics.horizontalAdvance(text);
}

namespace {

QFont SerifFont(double pixelSize) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  // The same widths on the screen and in a PDF.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont Styled(QFont font, bool italic, bool bold) {
  font.setItalic(italic);
  font.setBold(bold);
  return font;
}

}  // namespace

FormulaFonts::FormulaFonts(double size)
    : pixelSize_(size), heading_(Styled(SerifFont(size), false, true)) {
  for (int level = 0; level <= kDeepestLevel; ++level) {
    text_.emplace_back(SerifFont(Em(level)));
    variable_.emplace_back(Styled(SerifFont(Em(level)), true, false));
  }
}

int FormulaFonts::Level(int level) {
  return std::clamp(level, 0, kDeepestLevel);
}

double FormulaFonts::Em(int level) const {
  return pixelSize_ * std::pow(kScriptScale, Level(level));
}

FormulaBox LayOutFormula(const Formula& formula, const FormulaFonts& fonts, int level) {
  FormulaBox row;
  const QFontMetricsF& metrics = fonts.Text(level).metrics;
  row.ascent = metrics.ascent();
  row.descent = metrics.descent();
  // Each piece with its baseline shift (positive is down).
  const auto shared = std::make_shared<Pieces>();
  Pieces& pieces = *shared;
  const double em = fonts.Em(level);
  for (const FormulaNode& node : formula.nodes()) {
    switch (node.kind) {
      case FormulaNode::Kind::Text:
        Append(row, pieces, 0, TextBox(Q(node.text), fonts.Text(level), 0));
        break;
      case FormulaNode::Kind::Variable:
        Append(row, pieces, 0, TextBox(Q(node.text), fonts.Variable(level), em * 0.06));
        break;
      case FormulaNode::Kind::Fraction:
        Append(row, pieces, 0, FractionBox(node, fonts, level));
        break;
      case FormulaNode::Kind::Root:
        Append(row, pieces, 0, RootBox(node, fonts, level));
        break;
      case FormulaNode::Kind::Determinant:
      case FormulaNode::Kind::Table:
        Append(row, pieces, 0, DeterminantBox(node, fonts, level));
        break;
      case FormulaNode::Kind::Superscript: {
        const FormulaBox script = LayOutFormula(node.parts[0], fonts, level + 1);
        // Raised to sit beside the top of what it belongs to, however tall that is.
        const double base = pieces.empty() ? metrics.ascent() : pieces.back().second.ascent;
        const double raise = std::max(em * 0.42, base - script.ascent * 0.6);
        Append(row, pieces, -raise, script);
        break;
      }
      case FormulaNode::Kind::Subscript: {
        const FormulaBox script = LayOutFormula(node.parts[0], fonts, level + 1);
        Append(row, pieces, em * 0.22, script);
        break;
      }
      case FormulaNode::Kind::System:
        Append(row, pieces, 0, SystemBox(node, fonts, level));
        break;
      case FormulaNode::Kind::Scripts: {
        // The index below and the exponent above, in one column as wide as the wider of them.
        FormulaBox index = LayOutFormula(node.parts[0], fonts, level + 1);
        FormulaBox exponent = LayOutFormula(node.parts[1], fonts, level + 1);
        const double base = pieces.empty() ? metrics.ascent() : pieces.back().second.ascent;
        const double raise = std::max(em * 0.42, base - exponent.ascent * 0.6);
        const double drop = em * 0.22;
        FormulaBox column;
        column.width = std::max(index.width, exponent.width);
        column.ascent = std::max(raise + exponent.ascent, index.ascent - drop);
        column.descent = std::max(index.descent + drop, exponent.descent - raise);
        column.paint = [index, exponent, raise, drop](QPainter& painter, QPointF at) {
          exponent.paint(painter, {at.x(), at.y() - raise});
          index.paint(painter, {at.x(), at.y() + drop});
        };
        Append(row, pieces, 0, std::move(column));
        break;
      }
    }
  }
  row.paint = [shared](QPainter& painter, QPointF at) {
    double x = at.x();
    for (const auto& [shift, piece] : *shared) {
      piece.paint(painter, {x, at.y() + shift});
      x += piece.width;
    }
  };
  return row;
}

namespace {

// Where a formula's text is cut: the end of the piece before and the start of the next.
struct Cut {
  size_t end;
  size_t next;
};

// A formula's row cut into pieces at the places `find(text, from)` gives in its texts (nullopt
// when there are no more); what is glued to a piece's text stays in that piece.
template <typename FindCut>
std::vector<Formula> CutFormula(const Formula& formula, FindCut find) {
  std::vector<Formula> pieces(1);
  for (const FormulaNode& node : formula.nodes()) {
    if (node.kind != FormulaNode::Kind::Text) {
      pieces.back() << node;
      continue;
    }
    size_t start = 0;
    for (std::optional<Cut> cut = find(node.text, 0); cut; cut = find(node.text, cut->next)) {
      pieces.back() << node.text.substr(start, cut->end - start);
      pieces.emplace_back();
      start = cut->next;
    }
    pieces.back() << node.text.substr(start);
  }
  return pieces;
}

// A prose line cut into words, each keeping the space after it. The spaces around "=" hold: an
// equality in a sentence is never split between two lines.
std::vector<Formula> Words(const Formula& prose) {
  std::vector<Formula> words =
      CutFormula(prose, [](const std::string& text, size_t from) -> std::optional<Cut> {
        // The thin space between a long number's groups of digits is a place to break too.
        static const std::string kThinSpace = "\u2009";
        const size_t thin = text.find(kThinSpace, from);
        for (size_t space = text.find(' ', from); space != std::string::npos;
             space = text.find(' ', space + 1)) {
          if (thin < space) return Cut{thin + kThinSpace.size(), thin + kThinSpace.size()};
          const bool inEquality = (space > 0 && text[space - 1] == '=') ||
                                  (space + 1 < text.size() && text[space + 1] == '=');
          if (!inEquality) return Cut{space + 1, space + 1};
        }
        if (thin != std::string::npos)
          return Cut{thin + kThinSpace.size(), thin + kThinSpace.size()};
        return std::nullopt;
      });
  if (words.back().empty()) words.pop_back();
  return words;
}

// A formula cut before each " = ", " + " and " − " of its own row: where a line too long for
// the width may break, each further line starting with its sign, as one writes it by hand.
std::vector<Formula> BreakablePieces(const Formula& formula) {
  return CutFormula(formula, [](const std::string& text, size_t from) -> std::optional<Cut> {
    static const std::string kBreaks[] = {" = ", " + ", " − "};
    size_t at = std::string::npos;
    for (const std::string& sign : kBreaks)
      at = std::min(at, text.find(sign, from));
    if (at == std::string::npos) return std::nullopt;
    return Cut{at, at + 1};
  });
}

// The most UTF-16 units of `text` from `from` on that are at most `room` wide, never half of a
// surrogate pair: found by doubling and then halving the length, since a longer run of text is
// never narrower, so that a run of thousands of characters is measured a few times a line.
qsizetype FittingLength(const QString& text, qsizetype from, const QFontMetricsF& metrics,
                        double room) {
  const qsizetype rest = text.size() - from;
  const auto fits = [&](qsizetype n) {
    return metrics.horizontalAdvance(text.mid(from, n)) <= room;
  };
  qsizetype good = 0, bad = rest + 1;
  for (qsizetype n = 1; bad > rest && good < rest; n = std::min(2 * n, rest)) {
    (fits(n) ? good : bad) = n;
  }
  while (bad - good > 1) {
    const qsizetype middle = good + (bad - good) / 2;
    (fits(middle) ? good : bad) = middle;
  }
  if (good > 0 && good < rest && text[from + good].isLowSurrogate()) --good;
  return good;
}

// Cuts `piece` into runs for lines `room` wide, the first run for the `firstRoom` left on the
// line it starts on: between its nodes, and inside its texts between two characters (dropping
// the spaces that would begin a run). Every run but the first holds at least one character or
// node, so the cutting always ends; the first is empty when nothing fits where it starts.
std::vector<Formula> SplitToFit(const Formula& piece, const FormulaFonts& fonts, double firstRoom,
                                double room) {
  std::vector<Formula> runs(1);
  double used = 0;
  const auto roomLeft = [&] { return (runs.size() == 1 ? firstRoom : room) - used; };
  // Whether the run may close before it holds anything.
  const auto mayClose = [&] { return !runs.back().empty() || runs.size() == 1; };
  const auto nextRun = [&] {
    runs.emplace_back();
    used = 0;
  };
  const QFontMetricsF& metrics = fonts.Text(0).metrics;
  for (const FormulaNode& node : piece.nodes()) {
    if (node.kind != FormulaNode::Kind::Text) {
      const double width = LayOutFormula(Formula(node), fonts).width;
      if (width > roomLeft() && mayClose()) nextRun();
      runs.back() << node;
      used += width;
      continue;
    }
    const QString text = Q(node.text);
    for (qsizetype from = 0; from < text.size();) {
      qsizetype length = FittingLength(text, from, metrics, roomLeft());
      if (length == 0) {
        if (mayClose()) {
          nextRun();
          continue;
        }
        length = text[from].isHighSurrogate() && from + 1 < text.size() ? 2 : 1;
      }
      // A long number breaks between its groups of digits when it can.
      if (from + length < text.size()) {
        const qsizetype group = text.lastIndexOf(QChar(0x2009), from + length - 1);
        if (group > from) length = group + 1 - from;
      }
      const QString part = text.mid(from, length);
      runs.back() << part.toStdString();
      used += metrics.horizontalAdvance(part);
      from += length;
      // Spaces where the line breaks are not carried to the next one.
      if (QStringView(text).sliced(from).trimmed().isEmpty()) break;
      nextRun();
    }
  }
  return runs;
}

// A line being filled: laid-out pieces side by side on one baseline, and what they show.
struct LineFill {
  FormulaBox box;
  Pieces pieces;  // each piece with its offset from the line's left end
  Formula shown;

  bool empty() const { return pieces.empty(); }

  // Appends `piece`, laid out from `source`, after a space `gap` wide (none when 0).
  void Add(double gap, FormulaBox piece, const Formula& source) {
    if (gap > 0) shown << " ";
    shown << source;
    box.width += gap;
    box.ascent = std::max(box.ascent, piece.ascent);
    box.descent = std::max(box.descent, piece.descent);
    const double at = box.width;
    box.width += piece.width;
    pieces.emplace_back(at, std::move(piece));
  }

  // The line's box, which paints every piece at its place; the fill is empty again.
  WorkingLayout::Line Finish(double top, double left) {
    box.paint = [placed = std::make_shared<Pieces>(std::move(pieces))](QPainter& painter,
                                                                       QPointF at) {
      for (const auto& [x, piece] : *placed)
        piece.paint(painter, {at.x() + x, at.y()});
    };
    WorkingLayout::Line line{std::move(box), top, left, std::move(shown)};
    *this = LineFill();
    return line;
  }
};

}  // namespace

WorkingLayout LayOutWorking(const std::vector<WorkingLine>& lines, const FormulaFonts& fonts,
                            double width) {
  WorkingLayout layout;
  const double em = fonts.Em(0);
  double y = 0;
  const auto push = [&](WorkingLayout::Line line) {
    layout.width = std::max(layout.width, line.left + line.box.width);
    layout.lines.push_back(std::move(line));
  };
  for (const WorkingLine& line : lines) {
    if (line.kind == WorkingLine::Kind::Heading) {
      if (y > 0) y += em * 0.6;
      FormulaBox box = TextBox(Q(PlainText(line.formula)), fonts.Heading(), 0);
      const double height = box.height();
      push({std::move(box), y, 0, line.formula});
      y += height + em * 0.3;
      continue;
    }
    if (line.kind == WorkingLine::Kind::Formula) {
      const double indent = em * 1.2, further = em * 2.4;
      const auto put = [&](WorkingLayout::Line laid) {
        const double height = laid.box.height();
        push(std::move(laid));
        y += height + em * 0.45;
      };
      FormulaBox whole = LayOutFormula(line.formula, fonts);
      if (indent + whole.width <= width) {
        put({std::move(whole), y + em * 0.15, indent, line.formula});
        continue;
      }
      // Too wide: as many pieces on a line as fit. Widths add up, so each piece is measured
      // once however long the formula is.
      const double space = fonts.Text(0).Width(QStringLiteral(" "));
      LineFill current;
      double left = indent;
      const auto nextLine = [&] {
        put(current.Finish(y + em * 0.15, left));
        left = further;
      };
      for (const Formula& piece : BreakablePieces(line.formula)) {
        FormulaBox box = LayOutFormula(piece, fonts);
        const double gap = current.empty() ? 0 : space;
        if (left + current.box.width + gap + box.width <= width) {
          current.Add(gap, std::move(box), piece);
          continue;
        }
        if (further + box.width <= width) {
          if (!current.empty()) nextLine();
          current.Add(0, std::move(box), piece);
          continue;
        }
        // Too wide for any line: it fills the rest of this line and goes on under it.
        const std::vector<Formula> runs =
            SplitToFit(piece, fonts, width - left - current.box.width - gap, width - further);
        for (size_t i = 0; i < runs.size(); ++i) {
          if (i > 0 && !current.empty()) nextLine();
          if (!runs[i].empty())
            current.Add(i == 0 ? gap : 0, LayOutFormula(runs[i], fonts), runs[i]);
        }
      }
      if (!current.empty()) nextLine();
      continue;
    }
    // Prose: words fill the width and go on under it.
    LineFill current;
    const auto flush = [&] {
      if (current.empty()) return;
      WorkingLayout::Line laid = current.Finish(y, 0);
      y += laid.box.height() + em * 0.15;
      push(std::move(laid));
    };
    for (const Formula& word : Words(line.formula)) {
      FormulaBox box = LayOutFormula(word, fonts);
      if (current.box.width + box.width <= width) {
        current.Add(0, std::move(box), word);
        continue;
      }
      if (box.width <= width) {
        flush();
        current.Add(0, std::move(box), word);
        continue;
      }
      // A word wider than the width: it fills the rest of the line and goes on under it.
      const std::vector<Formula> runs = SplitToFit(word, fonts, width - current.box.width, width);
      for (size_t i = 0; i < runs.size(); ++i) {
        if (i > 0) flush();
        if (!runs[i].empty()) current.Add(0, LayOutFormula(runs[i], fonts), runs[i]);
      }
    }
    flush();
    y += em * 0.3;
  }
  layout.height = y;
  return layout;
}

void PaintWorking(QPainter& painter, const WorkingLayout& layout, QPointF origin,
                  const QRectF& exposed) {
  // Lines lie top to bottom: start at the first that reaches the exposed part, stop below it.
  const auto first =
      std::lower_bound(layout.lines.begin(), layout.lines.end(), exposed.top() - origin.y(),
                       [](const WorkingLayout::Line& line, double top) {
                         return line.top + line.box.height() < top;
                       });
  for (auto line = first; line != layout.lines.end(); ++line) {
    if (origin.y() + line->top > exposed.bottom()) break;
    line->box.paint(painter, {origin.x() + line->left, origin.y() + line->top + line->box.ascent});
  }
}

}  // namespace kalkora
