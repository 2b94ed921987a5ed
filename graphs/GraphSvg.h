// The graph picture as SVG, drawn from the points rather than from the pixels: what DrawGraph put
// on the image, in the image's geometry, thinned to what its pixels can tell apart.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "graphs/GraphAxes.h"
#include "graphs/Plot.h"

namespace kalkora {

// One DrawGraph over the picture: its axes and its curve, in image coordinates. A point lies
// inside the pixel the raster lights for it.
struct GraphTrace {
  struct Point {
    double x;
    double y;
    bool operator==(const Point&) const = default;
  };
  int axisRow = 0;     // the pixel row of y = 0
  int axisColumn = 0;  // the pixel column of x = 0
  bool lines = true;   // joined by lines, or one dot per point
  Rgb colour = kYellow;
  std::string label;  // what the legend names it by (UTF-8); none, no legend line
  std::vector<Point> points;
  // With lines: the indices of the points that begin a new line, after a gap or a pole.
  std::vector<std::size_t> breaks;
  std::vector<Point> marks;  // the points that matter, circled
  bool operator==(const GraphTrace&) const = default;
};

// The trace of the state as DrawGraph draws it. Lines keep, of each run of points in one pixel
// column, the first, the highest, the lowest and the last (runs beyond the left or right edge
// count as one column each); dots keep one point per pixel on the image. A point that repeats
// the pixel of the one kept before it is dropped. Throws as DrawGraph does.
GraphTrace TraceGraph(const GraphState& state, bool lines, Rgb colour = kYellow);

// The legend names the newest curves, this many at most, each by this many characters at most.
inline constexpr std::size_t kLegendLines = 8;
inline constexpr std::size_t kLegendCharacters = 32;

// The SVG text of a picture `width` by `height` pixels: blue, with each trace drawn over it in
// order, as the raster shows them, with the axes' grid, ticks and numbers as the window shows
// them. Coordinates are written with a '.' whatever the locale.
std::string GraphSvg(const std::vector<GraphTrace>& traces, int width, int height,
                     const GraphAxes* axes = nullptr);

}  // namespace kalkora
