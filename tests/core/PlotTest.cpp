// The graph's points, scale, pixels and drawing, read back pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/Errors.h"
#include "graphs/CompiledFormula.h"
#include "graphs/GraphSteps.h"
#include "graphs/Plot.h"
#include "graphs/Raster.h"
#include "numtext/NumText.h"

namespace kalkora {
namespace {

constexpr int W = kGraphWidth;
constexpr int H = kGraphHeight;
constexpr Rgb kWhite = 0xffffff;

GraphState Range(Extended start, Extended end, Extended step) {
  GraphState state;
  state.RangeStart = start;
  state.RangeEnd = end;
  state.StepValue = step;
  return state;
}

// Builds as the page does: points, scale, then drawing on a blue image.
GraphState Build(const char* formula, Extended start, Extended end, Extended step, Raster& raster,
                 bool scaled = true, bool lines = true) {
  GraphState state = Range(start, end, step);
  ComputePoints(state, formula);
  ComputeScale(state, scaled);
  DrawGraph(state, raster, lines);
  return state;
}

int CountColor(const Raster& raster, Rgb color, int skipRow = -1, int skipColumn = -1) {
  int count = 0;
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) {
      if (y != skipRow && x != skipColumn && raster.Pixel(x, y) == color) ++count;
    }
  }
  return count;
}

TEST(PlotTest, DefaultGraph) {
  GraphState state = Range(-2, 4.5L, 0.01L);
  ASSERT_EQ(PointCount(state), 651);
  std::vector<int> progress;
  ComputePoints(state, "x^4-4*x^3", [&](int i) { progress.push_back(i); });
  ASSERT_EQ(state.PointsX.size(), 651u);
  ASSERT_EQ(state.PointsY.size(), 651u);
  EXPECT_EQ(progress.size(), 651u);
  EXPECT_EQ(progress.back(), 650);
  EXPECT_EQ(state.PointsX[0], -2);
  EXPECT_EQ(state.PointsX[500], 500 * 0.01L - 2);
  ComputeScale(state, true);
  EXPECT_EQ(state.MinY, -27);
  EXPECT_EQ(state.PointsY[500], -27);  // at x = 3
  EXPECT_EQ(state.MaxY, 48);
  EXPECT_EQ(state.PointsY[0], 48);  // at x = -2
  EXPECT_EQ(state.ScaleY, H / 75.0L);
  EXPECT_EQ(state.ScaleX, W / 6.5L);
}

TEST(PlotTest, StepChecks) {
  const struct {
    Extended start, end, step;
    bool valid;
  } cases[] = {
      {-2, 4.5L, 7, false},   {-2, 4.5L, 6.5L, true}, {-2, 4.5L, -0.01L, false},
      {-2, 4.5L, 0, false},   {1, 1, 0, false},       {1, 1, 0.5L, false},
      {0, 1, 1e-6L, true},    {0, 1e30L, 1, false},   {0, 4999999, 1, true},
      {0, 5000000, 1, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StepIsValid(c.start, c.end, c.step), c.valid)
        << c.start << " " << c.end << " " << c.step;
  }
  EXPECT_EQ(PointCount(Range(-2, 4.5L, 6.5L)), 2);
  EXPECT_EQ(PointCount(Range(0, 4999999, 1)), 5000000);
}

TEST(PlotTest, ScaledPixelsFillTheImage) {
  GraphState state = Range(-2, 4.5L, 0.01L);
  ComputePoints(state, "x^4-4*x^3");
  ComputeScale(state, true);
  const Pixel start = PixelOf(state, -2, 48);  // MaxY on row 0
  EXPECT_EQ(start.x, 0);
  EXPECT_EQ(start.y, 0);
  const Pixel lowest = PixelOf(state, 3, -27);  // MinY on row H, just below the image
  EXPECT_EQ(lowest.y, H);
  EXPECT_EQ(PixelOf(state, 4.5L, 0).x, W);
  EXPECT_EQ(PixelOf(state, 0, 0).x, static_cast<int>(2 * (W / 6.5L)));
}

TEST(PlotTest, UnscaledPixelsAreOnePerUnitFromTheLastScaledExtremes) {
  GraphState state = Range(-2, 4.5L, 0.5L);
  ComputePoints(state, "x^4-4*x^3");
  ComputeScale(state, true);  // MinY becomes -27
  state.RangeStart = 10;
  ComputeScale(state, false);
  EXPECT_EQ(state.ScaleX, 1);
  EXPECT_EQ(state.ScaleY, 1);
  EXPECT_EQ(state.MinY, -27);
  EXPECT_EQ(PixelOf(state, 10, -27).x, 0);
  EXPECT_EQ(PixelOf(state, 10, -27).y, H);
  EXPECT_EQ(PixelOf(state, 13.9L, -20.5L).x, 3);
  EXPECT_EQ(PixelOf(state, 13.9L, -20.5L).y, H - 6);
}

TEST(PlotTest, AxesAreDottedYellowWithBlueGaps) {
  Raster raster(W, H);
  ClearGraph(raster);
  // y = x from -1 to 1: the axes cross the middle of the image.
  const GraphState state = Build("x", -1, 1, 1, raster);
  const int row = H - static_cast<int>(1 * (H / 2.0L));
  const int column = static_cast<int>(1 * (W / 2.0L));
  ASSERT_EQ(row, 147);
  ASSERT_EQ(column, 150);
  // Three on, three off, from the left edge.
  std::string pattern;
  for (int x = 0; x < 12; ++x)
    pattern += raster.Pixel(x, row) == kYellow ? 'y' : '.';
  EXPECT_EQ(pattern, "yyy...yyy...");
  std::string down;
  for (int y = 0; y < 12; ++y)
    down += raster.Pixel(column, y) == kYellow ? 'y' : '.';
  EXPECT_EQ(down, "yyy...yyy...");
  EXPECT_TRUE(state.GraphDrawn);
}

TEST(PlotTest, SinglePixelsWhenLinesAreOff) {
  Raster raster(W, H);
  ClearGraph(raster);
  // Five points of y = 2 from 0 to 4: MaxY = MinY, so the curve lies on row H, outside.
  GraphState flat = Build("2", 0, 4, 1, raster, true, false);
  EXPECT_EQ(flat.ScaleY, 1);
  EXPECT_EQ(PixelOf(flat, 0, 2).y, H);
  const int axisRow = H - static_cast<int>(-2 * flat.ScaleY);
  EXPECT_EQ(CountColor(raster, kYellow, axisRow, 0), 0);  // nothing but the axes shows

  // y = x from 0 to 4 in steps of 1, lines off: five single points.
  Raster points(W, H);
  ClearGraph(points);
  const GraphState line = Build("x", 0, 4, 1, points, true, false);
  int curvePixels = 0;
  for (std::size_t i = 0; i < line.PointsX.size(); ++i) {
    const Pixel p = PixelOf(line, line.PointsX[i], line.PointsY[i]);
    if (p.x < W && p.y < H) {
      EXPECT_EQ(points.Pixel(p.x, p.y), kYellow) << i;
      ++curvePixels;
    }
  }
  EXPECT_EQ(curvePixels, 3);  // (0, 0) lies on row H and (4, 4) on column W, both outside
  // Between the points nothing is joined: the pixel after the first point stays blue.
  const Pixel first = PixelOf(line, 1, 1);
  EXPECT_EQ(points.Pixel(first.x + 1, first.y - 1), kBlue);
}

TEST(PlotTest, LinesJoinThePointsAndTwoBuildsLeaveBothCurves) {
  Raster raster(W, H);
  ClearGraph(raster);
  const GraphState rising = Build("x", 0, 4, 1, raster);
  const int afterFirst = CountColor(raster, kYellow);
  const GraphState falling = Build("4-x", 0, 4, 1, raster);
  // Each segment starts on its point's pixel; the pixels between are joined.
  const Pixel one = PixelOf(rising, 1, 1);
  const Pixel two = PixelOf(rising, 2, 2);
  EXPECT_EQ(raster.Pixel(one.x, one.y), kYellow);
  const int middle = (one.x + two.x) / 2;
  const int row = (one.y + two.y) / 2;
  EXPECT_TRUE(raster.Pixel(middle, row) == kYellow || raster.Pixel(middle, row + 1) == kYellow);
  const Pixel three = PixelOf(falling, 1, 3);
  EXPECT_EQ(raster.Pixel(three.x, three.y), kYellow);
  EXPECT_GT(CountColor(raster, kYellow), afterFirst + 200);
}

std::string GapsShown(const GraphState& state) {
  std::string out;
  for (const auto& [from, to] : state.Gaps)
    out += "[" + FormatGeneral15(from) + "; " + FormatGeneral15(to) + "] ";
  return out;
}

// A point without a value is a gap and the build goes on; a pole is not joined across.
TEST(PlotTest, GapsAndPolesDoNotStopTheBuild) {
  const struct {
    const char* formula;
    Extended start, end, step;
    std::size_t points;
    const char* gaps;
    std::vector<std::size_t> polesAfter;
  } cases[] = {
      {"1/x", -2, 4.5L, 0.01L, 650, "[0; 0] ", {}},  // the grid meets 0 exactly
      {"1/(x-1)", -2, 4.5L, 0.4L, 17, "", {7}},      // 0,8 and 1,2 straddle the pole
      {"log x", -2, 4.5L, 0.5L, 9, "[-2; 0] ", {}},
      {"sqrt(1-x)", 0, 2, 0.5L, 3, "[1,5; 2] ", {}},
      {"x^3-x", -2, 2, 0.5L, 9, "", {}},  // sign changes through zeros are joined
  };
  for (const auto& c : cases) {
    GraphState state = Range(c.start, c.end, c.step);
    ComputePoints(state, c.formula);
    EXPECT_EQ(state.PointsX.size(), c.points) << c.formula;
    EXPECT_EQ(GapsShown(state), c.gaps) << c.formula;
    EXPECT_EQ(state.PolesAfter, c.polesAfter) << c.formula;
  }
  // With no value anywhere, the build is the error it was.
  GraphState none = Range(-2, -1, 0.5L);
  try {
    ComputePoints(none, "log x");
    FAIL() << "no error";
  } catch (const FormulaError& e) {
    EXPECT_STREQ(e.what(), "Логарифм неположительного числа при x = −2");
  }
}

TEST(PlotTest, XNearZeroAndNegativeXBuild) {
  // x near 0 comes in plain digits, never in exponent form.
  GraphState state = Range(-1, 1, 0.001L);
  ComputePoints(state, "x^4-4*x^3");
  EXPECT_EQ(state.PointsY.size(), 2001u);
  GraphState power = Range(-2, 2, 0.5L);
  ComputePoints(power, "2^x");
  EXPECT_EQ(power.PointsY[0], 0.25L);
}

// x runs on the decimals the range names: each x start + i × step to 15 digits,
// and the named points hit exactly even where start and i × step cancel.
TEST(PlotTest, GridXIsTheDecimalStartPlusIStep) {
  struct Case {
    const char *start, *step;
    std::int64_t count;
    std::int64_t i;
    const char* x;  // GridX at i
  };
  const Case cases[] = {
      {"-7", "0,00001", 1'400'001, 699'990, "-0,0001"},
      {"-7", "0,00001", 1'400'001, 700'000, "0"},
      {"0,5", "0,0000065", 1'000'001, 1'000'000, "7"},
      {"-3,3333333333333", "0,1111111111111", 1000, 30, "-3E-13"},
      {"123456,789", "0,001", 100'000, 99'999, "123556,788"},
      {"-1E14", "3E12", 100, 33, "-1E12"},
      {"0", "1E-20", 1000, 999, "9,99E-18"},
  };
  for (const Case& c : cases) {
    const Extended start = ParseFloat(c.start), step = ParseFloat(c.step);
    GraphState state = Range(start, 0, step);
    const DecimalGrid grid(state);
    EXPECT_EQ(grid(c.i), ParseFloat(c.x)) << c.start << " + " << c.i << " × " << c.step;
    EXPECT_EQ(GridX(state, c.i), grid(c.i));
    for (std::int64_t i = 0; i < c.count; i += 7) {
      const Extended x = grid(i), near = start + static_cast<Extended>(i) * step;
      ASSERT_EQ(x, RoundGeneral15(x)) << c.start << " at " << i;
      ASSERT_LE(std::fabs(x - near),
                5e-15L * std::fabs(x) + 1e-17L * (std::fabs(start) + std::fabs(near)) + 1e-30L)
          << c.start << " at " << i;
    }
  }
  // Not short decimals: i × step and the sum are rounded to 15 digits one after the other.
  GraphState odd = Range(1.0L / 3, 0, 1.0L / 7);
  for (std::int64_t i = 0; i < 100; ++i)
    ASSERT_EQ(GridX(odd, i), RoundGeneral15(RoundGeneral15(i * odd.StepValue) + odd.RangeStart));
}

TEST(PlotTest, UnbalancedParenthesesAreRefusedBeforeAnyPoint) {
  GraphState state = Range(-1, 1, 0.5L);
  EXPECT_THROW(ComputePoints(state, "(x+1"), FormulaError);
  EXPECT_TRUE(state.PointsY.empty());
}

TEST(PlotTest, ReadOutUsesTheFrameAndTheExtremes) {
  GraphState state = Range(-2, 4.5L, 0.01L);
  state.FrameStart = -2;
  state.FrameEnd = 4.5L;
  state.MinY = -27;
  state.MaxY = 48;
  const auto [x0, y0] = ReadOut(state, 0, 0);
  EXPECT_EQ(x0, -2);
  EXPECT_EQ(y0, 48);
  const auto [x1, y1] = ReadOut(state, W, H);
  EXPECT_EQ(x1, 4.5L);
  EXPECT_EQ(y1, -27);
}

// Two curves on one picture: the frame and extremes hold both, and a point they share lands on
// one pixel of each; unscaled, all take the last curve's placing.
TEST(PlotTest, CurvesDrawnTogetherShareOneScale) {
  GraphState square = Range(-3, 3, 0.01L), line = Range(-5, 5, 0.01L);
  ComputePoints(square, "x^2-4");
  ComputePoints(line, "2x+1");
  ComputeScale(square, true);
  ComputeScale(line, true);
  ShareScale({&square, &line}, true);
  for (const GraphState* s : {&square, &line}) {
    EXPECT_EQ(s->FrameStart, -5);
    EXPECT_EQ(s->FrameEnd, 5);
    EXPECT_EQ(s->MinY, -9);
    EXPECT_EQ(s->MaxY, 11);
  }
  // x² − 4 = 2x + 1 at x = 1 + √6 ≈ 3,449: the same pixel on both.
  const Extended x = 1 + std::sqrt(6.0L), y = 2 * x + 1;
  const Pixel a = PixelOf(square, x, y), b = PixelOf(line, x, y);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(PixelOf(square, -5, -9).x, 0);

  ComputeScale(line, false);
  ShareScale({&square, &line}, false);
  EXPECT_EQ(square.ScaleX, 1);
  EXPECT_EQ(square.FrameStart, -5);
}

TEST(RasterTest, LineLeavesOutItsEndPixel) {
  Raster raster(10, 10, kWhite);
  raster.SetPenColor(kYellow);
  raster.MoveTo(1, 1);
  raster.LineTo(5, 1);
  EXPECT_EQ(raster.Pixel(1, 1), kYellow);
  EXPECT_EQ(raster.Pixel(4, 1), kYellow);
  EXPECT_EQ(raster.Pixel(5, 1), kWhite);
  // The pen moved on: the next line starts where this one ended.
  raster.LineTo(5, 4);
  EXPECT_EQ(raster.Pixel(5, 1), kYellow);
  EXPECT_EQ(raster.Pixel(5, 3), kYellow);
  EXPECT_EQ(raster.Pixel(5, 4), kWhite);
  // A line of one step sets just its first pixel.
  raster.MoveTo(7, 7);
  raster.LineTo(8, 8);
  EXPECT_EQ(raster.Pixel(7, 7), kYellow);
  EXPECT_EQ(raster.Pixel(8, 8), kWhite);
}

TEST(RasterTest, RectangleLeavesOutItsRightAndBottomEdges) {
  Raster raster(6, 6, kWhite);
  raster.SetPenColor(kYellow);
  raster.SetBrushColor(kBlue);
  raster.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(raster.Pixel(1, 1), kYellow);
  EXPECT_EQ(raster.Pixel(4, 3), kYellow);
  EXPECT_EQ(raster.Pixel(2, 2), kBlue);
  EXPECT_EQ(raster.Pixel(5, 2), kWhite);
  EXPECT_EQ(raster.Pixel(2, 4), kWhite);
  EXPECT_EQ(raster.Pixel(0, 0), kWhite);
}

TEST(RasterTest, LinesRunningOffTheImageKeepTheirPixelsOnIt) {
  // The reference walks every step of the whole line, on and off the image, putting the shorter
  // axis at the nearest pixel to the ideal line (halves away from the line's start).
  const struct {
    int x0, y0, x1, y1;
  } lines[] = {{0, 291, 3000, 297}, {150, 140, -2500, 3100}, {-3000, 10, 299, 250},
               {5, 5, 3500, 3400},  {299, 0, -1000, 2900},   {-40, -3000, 310, 3300}};
  for (const auto& l : lines) {
    Raster image(W, H, kWhite);
    image.SetPenColor(kYellow);
    image.MoveTo(l.x0, l.y0);
    image.LineTo(l.x1, l.y1);
    Raster expected(W, H, kWhite);
    const long long dx = l.x1 - l.x0;
    const long long dy = l.y1 - l.y0;
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    for (long long k = 0; k < steps; ++k) {
      const long double t = static_cast<long double>(k) / steps;
      const auto nearest = [](long double v) {
        const auto magnitude = static_cast<long long>(std::floor(std::fabs(v) + 0.5L));
        return v < 0 ? -magnitude : magnitude;
      };
      const long long x =
          l.x0 + (std::llabs(dx) >= std::llabs(dy) ? (dx > 0 ? k : -k) : nearest(t * dx));
      const long long y =
          l.y0 + (std::llabs(dx) >= std::llabs(dy) ? nearest(t * dy) : (dy > 0 ? k : -k));
      if (x >= 0 && y >= 0 && x < W && y < H) {
        expected.SetPenColor(kYellow);
        expected.MoveTo(static_cast<int>(x), static_cast<int>(y));
        expected.LineTo(static_cast<int>(x) + 1, static_cast<int>(y));
      }
    }
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) {
        ASSERT_EQ(image.Pixel(x, y), expected.Pixel(x, y))
            << l.x0 << "," << l.y0 << " to " << l.x1 << "," << l.y1 << " at " << x << "," << y;
      }
    }
  }
}

TEST(RasterTest, LinesFarOutsideAreCutNotWalked) {
  Raster raster(W, H, kWhite);
  raster.SetPenColor(kYellow);
  raster.MoveTo(-1000000000, 100);
  raster.LineTo(1000000000, 100);
  EXPECT_EQ(raster.Pixel(0, 100), kYellow);
  EXPECT_EQ(raster.Pixel(W - 1, 100), kYellow);
  raster.MoveTo(-1000000000, -1000000000);
  raster.LineTo(1000000000, 1000000000);
  EXPECT_EQ(raster.Pixel(50, 50), kYellow);
  raster.MoveTo(-1000000000, -5);  // entirely outside
  raster.LineTo(1000000000, -5);
  EXPECT_EQ(CountColor(raster, kYellow), W + H - 1);  // the two lines share (100, 100)
}

TEST(PlotTest, StepsListTheFirstPointsAndTheExtremes) {
  GraphState state;
  state.RangeStart = -3;
  state.RangeEnd = 3;
  state.StepValue = 1;
  ComputePoints(state, "x*x-1");
  EXPECT_EQ(PlainText(GraphSteps("x*x-1", state)),
            "График функции\n"
            "  y = x*x-1\n"
            "x от −3 до 3 с шагом 1: точек 7.\n"
            "Для каждого x формула вычисляется, и соседние точки (x; y) соединяются:\n"
            "  x = −3,   y = 8\n  x = −2,   y = 3\n  x = −1,   y = 0\n  x = 0,   y = −1\n"
            "  x = 1,   y = 0\n  …\n"
            "Наименьшее и наибольшее значения: y_min = −1, y_max = 8.\n"
            "Ответ: график построен по точкам; y_min = −1, y_max = 8.\n");
  // A long formula is cut whole characters at a time.
  const std::string text = PlainText(GraphSteps(std::string(119, 'x') + "жж", state));
  EXPECT_NE(text.find("  y = " + std::string(119, 'x') + "…\n"), std::string::npos);
  // Where the formula has no value is said once.
  ComputePoints(state, "log x + 1/(x-2)");
  EXPECT_NE(PlainText(GraphSteps("log x + 1/(x-2)", state))
                .find("Значения нет при x от −3 до 0; x = 2: там на графике разрыв.\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kalkora
