// Lays out a worked solution in school notation and paints it: fractions stacked, roots under
// their sign, powers raised, indices lowered, determinants between bars. The same layout draws
// on the screen and into a PDF.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

#include "steps/Working.h"

namespace kalkora {

// A laid-out piece: its size around the baseline and how to paint it at a baseline point.
struct FormulaBox {
  double width = 0;
  double ascent = 0;
  double descent = 0;
  std::function<void(QPainter&, QPointF)> paint;

  double height() const { return ascent + descent; }
};

// A font with its metrics, made once: a working measures thousands of pieces, most of them the
// same few signs, letters and numbers, so their widths are kept.
struct FormulaFont {
  explicit FormulaFont(const QFont& font) : font(font), metrics(font) {}
  double Width(const QString& text) const;

  QFont font;
  QFontMetricsF metrics;
  mutable QHash<QString, double> widths;
};

// The fonts a working is set in: text upright, variables in italics, scripts smaller.
class FormulaFonts {
 public:
  explicit FormulaFonts(double pixelSize);
  const FormulaFont& Text(int level) const { return text_[Level(level)]; }
  const FormulaFont& Variable(int level) const { return variable_[Level(level)]; }
  const FormulaFont& Heading() const { return heading_; }
  double Em(int level) const;

 private:
  static int Level(int level);

  double pixelSize_;
  std::vector<FormulaFont> text_;
  std::vector<FormulaFont> variable_;
  FormulaFont heading_;
};

// One formula on one line.
FormulaBox LayOutFormula(const Formula& formula, const FormulaFonts& fonts, int level = 0);

// A working's lines laid out one under another within `width`, with the vertical offset of each
// line's top. Prose wraps between words, a formula too wide before its "=", "+" and "−"; a run
// that is wider than the width even so (a number of thousands of digits) is cut between two
// characters. Only a single fraction, root or determinant wider than the width sticks out.
struct WorkingLayout {
  struct Line {
    FormulaBox box;
    double top = 0;
    double left = 0;
    Formula shown;  // the part of the working this line shows
  };
  std::vector<Line> lines;
  double width = 0;   // the widest line
  double height = 0;  // from the first line's top to the last line's bottom
};
WorkingLayout LayOutWorking(const std::vector<WorkingLine>& lines, const FormulaFonts& fonts,
                            double width);

// Paints the lines that meet `exposed`, with the layout's top left corner at `origin`.
void PaintWorking(QPainter& painter, const WorkingLayout& layout, QPointF origin,
                  const QRectF& exposed);

}  // namespace kalkora
