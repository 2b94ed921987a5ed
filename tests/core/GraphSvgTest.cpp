// The graph picture as SVG text: its frame, its geometry against the raster, and the thinning.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "graphs/GraphSvg.h"
#include "graphs/Plot.h"
#include "graphs/Raster.h"

namespace kalkora {
namespace {

// The first `attribute` of an element `tag`.
std::string Attribute(const std::string& svg, const std::string& tag, const std::string& name) {
  std::smatch match;
  const std::regex attribute("<" + tag + "[^>]* " + name + "=\"([^\"]*)\"");
  return std::regex_search(svg, match, attribute) ? match[1].str() : "(none)";
}

TEST(GraphSvgTest, ATinyGraphInTheImagesGeometry) {
  // y = 2x on [-1, 1], scaled to fill the picture: the axes cross in the middle.
  GraphState state;
  state.RangeStart = -1;
  state.RangeEnd = 1;
  state.PointsX = {-1, 0, 1};
  state.PointsY = {-2, 0, 2};
  ComputeScale(state, true);
  const std::string svg = GraphSvg({TraceGraph(state, true)}, kGraphWidth, kGraphHeight);

  EXPECT_NE(svg.find("width=\"300\" height=\"293\" viewBox=\"0 0 300 293\""), std::string::npos);
  EXPECT_EQ(Attribute(svg, "rect", "fill"), "#0000ff");
  EXPECT_EQ(Attribute(svg, "polyline", "points"), "0,294 150,147.5 300,1");
  EXPECT_NE(svg.find("<line x1=\"0\" y1=\"147.5\" x2=\"300\" y2=\"147.5\"/>"), std::string::npos);
  EXPECT_NE(svg.find("<line x1=\"150.5\" y1=\"0\" x2=\"150.5\" y2=\"293\"/>"), std::string::npos);
  EXPECT_EQ(Attribute(svg, "g", "stroke-dasharray"), "3 3");
}

TEST(GraphSvgTest, EachPointLiesInThePixelTheRasterLightsForIt) {
  GraphState state;
  state.RangeStart = -2;
  state.RangeEnd = 4.5L;
  state.StepValue = 0.01L;
  ComputePoints(state, "x^4-4*x^3");
  ComputeScale(state, true);
  Raster raster(kGraphWidth, kGraphHeight);
  ClearGraph(raster);
  DrawGraph(state, raster, true);
  const GraphTrace trace = TraceGraph(state, true);
  int inside = 0;
  // The last point is a line's end, which the raster leaves out.
  for (std::size_t i = 0; i + 1 < trace.points.size(); ++i) {
    const int x = static_cast<int>(std::floor(trace.points[i].x));
    const int y = static_cast<int>(std::ceil(trace.points[i].y)) - 1;
    if (x < 0 || y < 0 || x >= kGraphWidth || y >= kGraphHeight) continue;
    ++inside;
    EXPECT_EQ(raster.Pixel(x, y), kYellow) << "point " << i;
  }
  EXPECT_GT(inside, 100);
}

struct ThinningCase {
  const char* name;
  int count;
  Extended (*x)(int);
  Extended (*y)(int);
  bool lines;
  std::string expected;  // the polyline's points, or the dots' path
};

TEST(GraphSvgTest, ThinsToWhatThePixelsShow) {
  // One pixel per unit and y = 0 on the bottom edge: (x, y) is drawn at (x, 294 - y).
  const ThinningCase cases[] = {
      {"a column keeps its first, highest, lowest and last point", 1000,
       [](int i) { return 0.25L + i / 2000.0L; },
       [](int i) -> Extended { return i == 300 ? 80 : (i == 600 ? 20 : 50); }, true,
       "0.25,244 0.4,214 0.55,274 0.75,244"},
      {"points on one pixel are one point", 1000, [](int i) { return 0.25L + i / 2000.0L; },
       [](int) { return 50.5L; }, true, "0.25,243.5"},
      {"everything left of the picture is one column", 1000,
       [](int i) -> Extended { return i - 1000; },
       [](int i) -> Extended { return i % 2 ? 10 : 60; }, true, "-1000,234 -999,284 -1,284"},
      {"one dot per pixel, none off the picture", 5,
       [](int i) {
         return std::array{10.2L, 10.7L, -5.0L, 20.0L, 20.0L}[i];
       },
       [](int i) {
         return std::array{20.3L, 20.9L, 20.0L, 20.0L, 400.0L}[i];
       },
       false, "M9.7 273.2h1v1h-1z M19.5 273.5h1v1h-1z"},
  };
  for (const ThinningCase& c : cases) {
    SCOPED_TRACE(c.name);
    GraphState state;
    state.ScaleX = 1;
    state.ScaleY = 1;
    for (int i = 0; i < c.count; ++i) {
      state.PointsX.push_back(c.x(i));
      state.PointsY.push_back(c.y(i));
    }
    const std::string svg = GraphSvg({TraceGraph(state, c.lines)}, 300, 293);
    EXPECT_EQ(Attribute(svg, c.lines ? "polyline" : "path", c.lines ? "points" : "d"), c.expected);
  }
}

}  // namespace
}  // namespace kalkora
