// Lays out a worked solution in school notation and paints it: fractions stacked, roots under
// their sign, powers raised, indices lowered, determinants between bars. The same layout draws
// on the screen and into a PDF.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
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

// The fonts a working is set in: text upright, variables in italics, all at one pixel size.
struct FormulaFonts {
  explicit FormulaFonts(double pixelSize);
  QFont Text(int level) const;
  QFont Variable(int level) const;
  QFont Heading() const;
  double Em(int level) const;

  double pixelSize;
};

// One formula on one line.
FormulaBox LayOutFormula(const Formula& formula, const FormulaFonts& fonts, int level = 0);

// A working's lines laid out one under another within `width` (prose wraps between words,
// formulas never break), with the vertical offset of each line's top.
struct WorkingLayout {
  struct Line {
    FormulaBox box;
    double top = 0;
    double left = 0;
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
