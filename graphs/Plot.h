// The graph of y = f(x): the points of a range, their scale, their pixels and their drawing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Float.h"
#include "graphs/GraphFormula.h"
#include "graphs/Raster.h"

namespace kalkora {

// The drawing area's size in pixels.
inline constexpr int kGraphWidth = 300;
inline constexpr int kGraphHeight = 293;

// The most points a build makes: more cannot be told apart on 300 columns, and each point
// holds two 80-bit numbers.
inline constexpr std::int64_t kMaxGraphPoints = 5'000'000;

struct GraphState {
  Extended RangeEnd = 0;
  Extended RangeStart = 0;
  Extended StepValue = 0;
  std::vector<Extended> PointsX;
  std::vector<Extended> PointsY;
  Extended MaxY = 0;
  Extended MinY = 0;
  Extended ScaleX = 0;
  Extended ScaleY = 0;
  // The x range the picture shows: this curve's range, or that of every curve sharing it.
  Extended FrameStart = 0;
  Extended FrameEnd = 0;
  bool GraphDrawn = false;
  std::string GraphFileName;
  // Where the last build found no value: the first and last x of each run of such points.
  std::vector<std::pair<Extended, Extended>> Gaps;
  // Ascending indices i whose point is not joined to point i + 1: a pole lies between them.
  std::vector<std::size_t> PolesAfter;
};

using Progress = std::function<void(int)>;

// False for a step the build cannot use: negative, larger than the range, zero (which would
// divide by zero), or so small that the range would need more than kMaxGraphPoints points.
bool StepIsValid(Extended rangeStart, Extended rangeEnd, Extended step);

// The number of points of the state's range and step: Trunc(|end - start| / step) + 1.
std::int64_t PointCount(const GraphState& state);

// The prepared formula with every x or X replaced by x as one operand: its 15-digit value in
// plain digits (never in exponent form), with its sign where the evaluator reads it as part of
// the number, so that 2^x, -x and 0-x^2 work at a negative x as if x stood in parentheses.
std::string SubstituteX(std::string_view formula, Extended x);

// The x of point i: start + i × step. Where start and step are decimals of at most 15 digits
// (all that can be typed in the fields but the longest), x is that decimal exactly, so a range
// meets 0 and every decimal it names (−7 + 699 990 × 0,00001 is −0,0001, not −9,99…E-5); where
// they are not, or the decimal needs more than 15 digits, i × step and then the sum are each
// rounded to 15 digits as the formula language rounds.
Extended GridX(const GraphState& state, std::int64_t i);

// GridX for every point of one build, with start and step read once.
class DecimalGrid {
 public:
  explicit DecimalGrid(const GraphState& state);
  Extended operator()(std::int64_t i) const;

 private:
  Extended start_;
  Extended step_;
  bool exact_ = false;  // start = start10 / 10^scale_, step = step10 / 10^scale_
  std::int64_t start10_ = 0;
  std::int64_t step10_ = 0;
  int scale_ = 0;
  Extended divisor_ = 1;  // 10^scale_
};

// Computes PointsX and PointsY for the state's range and step, one evaluation of the formula
// (UTF-8, as typed) per point, reporting each point's index. A point where the formula has no
// value is left out and noted in Gaps; only when no point has a value is the first point's
// FormulaError thrown. Then finds the poles (FindPoles).
void ComputePoints(GraphState& state, std::string_view formula, const Progress& progress = {});
void ComputePoints(GraphState& state, GraphFormula& formula, const Progress& progress = {});

// Notes in PolesAfter each pair of neighbours across which the curve jumps through a pole: their
// y have opposite signs and the formula has no value between them, or one larger than both.
void FindPoles(GraphState& state, GraphFormula& formula);

// True when points i and i + 1 are drawn joined: neighbours on the grid (any two, without a
// step), no pole between them.
bool Joined(const GraphState& state, std::size_t i);

// With `scaled`, the extremes of y and the scales that fill the drawing area; without, one
// pixel per unit, placed with the extremes of the last scaled build. The frame is the range.
void ComputeScale(GraphState& state, bool scaled, const Progress& progress = {});

// Puts curves drawn together on one picture: scaled, the frame and extremes of y that hold
// them all (each curve's own from its range and points); unscaled, the last curve's frame and
// extremes for every one. The last curve must have been through ComputeScale.
void ShareScale(const std::vector<GraphState*>& curves, bool scaled);

struct Pixel {
  int x;
  int y;
};
// The pixel of the point (x, y) under the state's scale.
Pixel PixelOf(const GraphState& state, Extended x, Extended y);

// Draws the dotted axes and the curve (joined by lines, or one pixel per point, in `colour`)
// over what the raster already shows, and marks the graph drawn.
void DrawGraph(GraphState& state, Raster& raster, bool lines, const Progress& progress = {},
               Rgb colour = kYellow);

// Paints the raster blue, as at start-up and by "Очистить".
void ClearGraph(Raster& raster);

// The coordinates under the pointer at pixel (x, y), by the range and the extremes of y; never
// throws, and gives an infinity or a non-number where the range is too large to measure.
std::pair<Extended, Extended> ReadOut(const GraphState& state, int x, int y);

}  // namespace kalkora
