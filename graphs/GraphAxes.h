// The axes a pupil reads on the graph picture: round ticks with numbers on both axes, a light
// grid, the labels x and y and the origin. Where each goes is worked out here once, so that the
// window, the copied image and the SVG place them alike.
#pragma once

#include <string>
#include <vector>

#include "graphs/Plot.h"
#include "graphs/Raster.h"

namespace kalkora {

// A number's text is drawn at most this wide a character, in pixels, and this tall.
inline constexpr int kAxisCharWidth = 6;
inline constexpr int kAxisTextHeight = 11;

struct AxisTick {
  int pixel;         // the column of an x tick, the row of a y tick
  std::string text;  // its number, as the page writes numbers
};

struct GraphAxes {
  int row = 0;              // of y = 0; outside the picture when 0 is not in view
  int column = 0;           // of x = 0
  std::vector<AxisTick> x;  // 0 left out: the origin names it
  std::vector<AxisTick> y;
  int xTextTop = 0;     // the numbers of x are centred on their ticks below the x-axis
  int yTextLeft = 0;    // those of y begin here, right of the y-axis
  bool origin = false;  // both axes in view: "0" is written beside where they meet
  bool RowShown() const { return row >= 0 && row < kGraphHeight; }
  bool ColumnShown() const { return column >= 0 && column < kGraphWidth; }
};

// The axes of the picture the state's scale shows. The step is the roundest that keeps the
// numbers apart; a picture too large to measure has no ticks.
GraphAxes AxesOf(const GraphState& state);

// The grid at every tick, in a blue lighter than the picture's, and the tick marks across the
// axes; drawn before the curves.
inline constexpr Rgb kGridColour = 0x4848ff;
void DrawAxes(const GraphAxes& axes, Raster& raster);

}  // namespace kalkora
