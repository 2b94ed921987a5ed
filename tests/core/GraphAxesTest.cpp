#include "graphs/GraphAxes.h"

#include <gtest/gtest.h>

#include <string>

#include "graphs/GraphSvg.h"

namespace kalkora {
namespace {

GraphState Framed(Extended start, Extended end, Extended low, Extended high) {
  GraphState state;
  state.FrameStart = start;
  state.FrameEnd = end;
  state.MinY = low;
  state.MaxY = high;
  state.ScaleX = kGraphWidth / (end - start);
  state.ScaleY = kGraphHeight / (high - low);
  return state;
}

std::string Texts(const std::vector<AxisTick>& ticks) {
  std::string out;
  for (const AxisTick& tick : ticks)
    out += (tick.text.empty() ? "_" : tick.text) + " ";
  return out;
}

TEST(GraphAxes, RoundTicksWithNumbersThatKeepApart) {
  struct Case {
    Extended start, end, low, high;
    const char* x;
    const char* y;
  } cases[] = {
      // The default graph: -2 would run off the left edge, 0 is the origin's.
      {-2, 4.5L, -27, 48, "_ -1 1 2 3 4 ", "-20 -10 10 20 30 40 "},
      {-3, 3, -9, 11, "_ -2 -1 1 2 _ ", "-8 -6 -4 -2 2 4 6 8 _ "},
      // Long numbers take a coarser step than 0,2 so as not to run into each other.
      {1000000, 1000001, 0.001L, 0.002L, "_ 1000000,5 _ ",
       "_ 0,0011 0,0012 0,0013 0,0014 0,0015 0,0016 0,0017 0,0018 0,0019 _ "},
      {-1e-6L, 1e-6L, -1, 1, "_ -5E-7 5E-7 _ ", "_ -0,8 -0,6 -0,4 -0,2 0,2 0,4 0,6 0,8 _ "},
  };
  for (const Case& c : cases) {
    const GraphAxes axes = AxesOf(Framed(c.start, c.end, c.low, c.high));
    EXPECT_EQ(Texts(axes.x), c.x) << c.start;
    EXPECT_EQ(Texts(axes.y), c.y) << c.start;
    for (std::size_t i = 1; i < axes.x.size(); ++i) {
      const int width =
          static_cast<int>(std::max(axes.x[i].text.size(), axes.x[i - 1].text.size()));
      EXPECT_GE(axes.x[i].pixel - axes.x[i - 1].pixel, width * kAxisCharWidth) << c.start;
    }
  }
}

TEST(GraphAxes, PlacesTheOriginAndKeepsNumbersOnThePicture) {
  const GraphAxes inside = AxesOf(Framed(-2, 4.5L, -27, 48));
  EXPECT_EQ(inside.column, 92);
  EXPECT_EQ(inside.row, 188);
  EXPECT_TRUE(inside.origin);
  EXPECT_EQ(inside.x[1].pixel, 46);   // x = -1
  EXPECT_EQ(inside.y[0].pixel, 266);  // y = -20

  // Both axes off the picture: the numbers sit at its edges, no origin is named.
  const GraphAxes outside = AxesOf(Framed(10, 20, 5, 15));
  EXPECT_FALSE(outside.origin);
  EXPECT_EQ(outside.xTextTop, kGraphHeight - kAxisTextHeight);
  EXPECT_EQ(outside.yTextLeft, 2);

  GraphState unmeasured = Framed(0, 1, 0, 1);
  unmeasured.ScaleX = 0;
  EXPECT_TRUE(AxesOf(unmeasured).x.empty());
}

TEST(GraphAxes, GridAndTicksAreDrawnAndWrittenInTheSvg) {
  const GraphAxes axes = AxesOf(Framed(-2, 4.5L, -27, 48));
  Raster raster(kGraphWidth, kGraphHeight);
  ClearGraph(raster);
  DrawAxes(axes, raster);
  EXPECT_EQ(raster.Pixel(46, 10), kGridColour);
  EXPECT_EQ(raster.Pixel(10, 266), kGridColour);
  EXPECT_EQ(raster.Pixel(46, 186), kYellow);
  EXPECT_EQ(raster.Pixel(46, 190), kYellow);
  EXPECT_EQ(raster.Pixel(20, 20), kBlue);

  GraphTrace trace;
  trace.marks.push_back({10.5, 20.5});
  const std::string svg = GraphSvg({trace}, kGraphWidth, kGraphHeight, &axes);
  EXPECT_NE(svg.find("text-anchor=\"middle\">-1</text>"), std::string::npos) << svg;
  EXPECT_NE(svg.find(">-20</text>"), std::string::npos);
  EXPECT_NE(svg.find(">y</text>"), std::string::npos);
  EXPECT_NE(svg.find("<circle cx=\"10.5\" cy=\"20.5\""), std::string::npos);
  EXPECT_EQ(svg.find(">-2</text>"), std::string::npos) << "cut at the edge";
}

}  // namespace
}  // namespace kalkora
