#include "graphs/Plot.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "graphs/GraphFormula.h"
#include "graphs/Qrafik.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

// Pixels far outside the drawing are all alike; keeping them in this range keeps them ints.
constexpr Extended kPixelLimit = 1 << 30;

// Trunc toward zero, as the pixel mapping does; a value beyond any pixel is held at the limit.
int TruncPixel(Extended value) {
  if (std::isnan(value)) ThrowInvalidOperation();
  return static_cast<int>(std::trunc(std::clamp(value, -kPixelLimit, kPixelLimit)));
}

void Report(const Progress& progress, std::int64_t i) {
  if (progress) progress(static_cast<int>(i));
}

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

constexpr std::int64_t kDecimal15 = 1'000'000'000'000'000;  // 10^15: one past 15 digits
constexpr int kMostExactScale = 27;                         // 10^27 is exact in a long double

Extended Pow10(int k) {
  Extended p = 1;
  for (int j = 0; j < k; ++j)
    p *= 10;  // exact up to 10^27
  return p;
}

Extended RoundedGridX(Extended start, Extended step, std::int64_t i) {
  return RoundGeneral15(Add(RoundGeneral15(Mul(static_cast<Extended>(i), step)), start));
}

// value = digits / 10^scale with at most 15 digits, value the nearest long double to it.
bool ShortDecimal(Extended value, std::int64_t& digits, int& scale) {
  for (int k = 0; k <= kMostExactScale; ++k) {
    const Extended p = Pow10(k);
    const Extended scaled = std::fabs(value) * p;
    if (!(scaled < static_cast<Extended>(kDecimal15))) return false;
    const auto d = static_cast<std::int64_t>(std::llround(scaled));
    if (static_cast<Extended>(d) / p == std::fabs(value)) {
      digits = value < 0 ? -d : d;
      scale = k;
      return true;
    }
  }
  return false;
}

// The scales that put the frame and the extremes of y on the whole drawing area.
void FillFrame(GraphState& state) {
  const Extended height = Sub(state.MaxY, state.MinY);
  state.ScaleY = height == 0 ? 1 : Div(kGraphHeight, std::fabs(height));
  const Extended width = Sub(state.FrameEnd, state.FrameStart);
  state.ScaleX = width == 0 ? 1 : Div(kGraphWidth, std::fabs(width));
}

}  // namespace

bool StepIsValid(Extended rangeStart, Extended rangeEnd, Extended step) {
  const Extended range = std::fabs(Sub(rangeEnd, rangeStart));
  if (step > range || step < 0 || step == 0) return false;
  // The count itself: a huge quotient is simply too many points.
  return range / step < static_cast<Extended>(kMaxGraphPoints - 1) + 1;
}

std::int64_t PointCount(const GraphState& state) {
  const Extended range = std::fabs(Sub(state.RangeEnd, state.RangeStart));
  return static_cast<std::int64_t>(std::trunc(Div(range, state.StepValue))) + 1;
}

std::string SubstituteX(std::string_view formula, Extended x) {
  const std::string digits = PlainNumberText(std::fabs(x));
  return SubstituteDigits(formula, x < 0 && digits != "0", digits);
}

Extended GridX(const GraphState& state, std::int64_t i) {
  return DecimalGrid(state)(i);
}

DecimalGrid::DecimalGrid(const GraphState& state)
    : start_(state.RangeStart), step_(state.StepValue) {
  std::int64_t start10 = 0, step10 = 0;
  int startScale = 0, stepScale = 0;
  if (!ShortDecimal(start_, start10, startScale) || !ShortDecimal(step_, step10, stepScale)) return;
  scale_ = std::max(startScale, stepScale);
  for (int k = startScale; k < scale_; ++k) {
    if (std::abs(start10) >= kDecimal15 / 10) return;
    start10 *= 10;
  }
  for (int k = stepScale; k < scale_; ++k) {
    if (std::abs(step10) >= kDecimal15 / 10) return;
    step10 *= 10;
  }
  start10_ = start10;
  step10_ = step10;
  divisor_ = Pow10(scale_);
  exact_ = true;
}

Extended DecimalGrid::operator()(std::int64_t i) const {
  if (!exact_ || i < 0) return RoundedGridX(start_, step_, i);
  // Below 5·10^6 × 10^15 + 10^15: far inside 128 bits.
  const Int128 sum = static_cast<Int128>(i) * step10_ + start10_;
  if (sum == 0) return 0.0L;
  UInt128 magnitude = sum < 0 ? -static_cast<UInt128>(sum) : sum;
  int scale = scale_;
  if (magnitude >= static_cast<UInt128>(kDecimal15)) {
    // More than 15 digits: round the decimal itself to 15, a half up, as the language rounds.
    int cut = 0;
    UInt128 unit = 1;
    while (magnitude / unit >= static_cast<UInt128>(kDecimal15)) {
      unit *= 10;
      ++cut;
    }
    const UInt128 rest = magnitude % unit;
    magnitude = magnitude / unit + (rest >= unit / 2 ? 1 : 0);
    scale -= cut;
  }
  // One correct rounding of the decimal: powers of ten up to 10^27 are exact.
  if (scale < -kMostExactScale) return RoundedGridX(start_, step_, i);
  const auto digits = static_cast<Extended>(static_cast<std::uint64_t>(magnitude));
  const Extended x = scale == scale_ ? digits / divisor_
                     : scale >= 0    ? digits / Pow10(scale)
                                     : digits * Pow10(-scale);
  return sum < 0 ? -x : x;
}

void ComputePoints(GraphState& state, std::string_view formula, const Progress& progress) {
  // Compiled once: each point then costs numbers only.
  GraphFormula compiled(formula);
  ComputePoints(state, compiled, progress);
}

void ComputePoints(GraphState& state, GraphFormula& compiled, const Progress& progress) {
  const std::int64_t n = PointCount(state);
  state.PointsX.clear();
  state.PointsY.clear();
  state.Gaps.clear();
  state.PolesAfter.clear();
  state.PointsX.reserve(static_cast<std::size_t>(n));
  state.PointsY.reserve(static_cast<std::size_t>(n));
  const DecimalGrid grid(state);
  std::exception_ptr first;  // why the first point without a value has none
  std::int64_t lastGap = -2;
  for (std::int64_t i = 0; i < n; ++i) {
    const Extended x = grid(i);
    try {
      const Extended y = compiled.Evaluate(x);
      state.PointsX.push_back(x);
      state.PointsY.push_back(y);
    } catch (const FormulaError&) {
      if (!first) first = std::current_exception();
      if (lastGap == i - 1) {
        state.Gaps.back().second = x;
      } else {
        state.Gaps.emplace_back(x, x);
      }
      lastGap = i;
    }
    Report(progress, i);
  }
  if (state.PointsX.empty() && first) std::rethrow_exception(first);
  FindPoles(state, compiled);
}

void FindPoles(GraphState& state, GraphFormula& formula) {
  state.PolesAfter.clear();
  const std::size_t n = std::min(state.PointsX.size(), state.PointsY.size());
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const Extended a = state.PointsY[i], b = state.PointsY[i + 1];
    if (a == 0 || b == 0 || (a < 0) == (b < 0) || !Joined(state, i)) continue;
    bool pole = true;
    try {
      const Extended middle = formula.Evaluate((state.PointsX[i] + state.PointsX[i + 1]) / 2);
      pole = std::fabs(middle) > std::max(std::fabs(a), std::fabs(b));
    } catch (const FormulaError&) {
    }
    if (pole) state.PolesAfter.push_back(i);
  }
}

bool Joined(const GraphState& state, std::size_t i) {
  // Without a step (points put together by hand) every neighbour is joined.
  const Extended step = std::fabs(state.StepValue);
  if (step > 0 && std::fabs(state.PointsX[i + 1] - state.PointsX[i]) > step * 1.5L) return false;
  return !std::binary_search(state.PolesAfter.begin(), state.PolesAfter.end(), i);
}

void ComputeScale(GraphState& state, bool scaled, const Progress& progress) {
  state.FrameStart = state.RangeStart;
  state.FrameEnd = state.RangeEnd;
  if (!scaled) {
    state.ScaleX = 1;
    state.ScaleY = 1;
    return;
  }
  const std::size_t n = state.PointsY.size();
  if (n > 0) {
    state.MaxY = state.PointsY[0];
    state.MinY = state.PointsY[0];
  }
  for (std::size_t i = 0; i < n; ++i) {
    state.MaxY = std::max(state.MaxY, state.PointsY[i]);
    state.MinY = std::min(state.MinY, state.PointsY[i]);
    Report(progress, static_cast<std::int64_t>(i));
  }
  FillFrame(state);
}

void ShareScale(const std::vector<GraphState*>& curves, bool scaled) {
  if (curves.empty()) return;
  GraphState& last = *curves.back();
  if (scaled) {
    for (const GraphState* curve : curves) {
      last.FrameStart = std::min(last.FrameStart, curve->RangeStart);
      last.FrameEnd = std::max(last.FrameEnd, curve->RangeEnd);
      if (curve->PointsY.empty()) continue;
      const auto [low, high] = std::minmax_element(curve->PointsY.begin(), curve->PointsY.end());
      last.MinY = std::min(last.MinY, *low);
      last.MaxY = std::max(last.MaxY, *high);
    }
    FillFrame(last);
  }
  for (GraphState* curve : curves) {
    curve->FrameStart = last.FrameStart;
    curve->FrameEnd = last.FrameEnd;
    curve->MinY = last.MinY;
    curve->MaxY = last.MaxY;
    curve->ScaleX = last.ScaleX;
    curve->ScaleY = last.ScaleY;
  }
}

Pixel PixelOf(const GraphState& state, Extended x, Extended y) {
  return {TruncPixel(Mul(Sub(x, state.FrameStart), state.ScaleX)),
          kGraphHeight - TruncPixel(Mul(Sub(y, state.MinY), state.ScaleY))};
}

void DrawGraph(GraphState& state, Raster& raster, bool lines, const Progress& progress,
               Rgb colour) {
  raster.SetPenColor(kYellow);
  raster.SetPenStyle(Raster::PenStyle::Dotted);
  const int axisRow = kGraphHeight - TruncPixel(Mul(-state.MinY, state.ScaleY));
  raster.MoveTo(0, axisRow);
  raster.LineTo(kGraphWidth, axisRow);
  const int axisColumn = TruncPixel(Mul(-state.FrameStart, state.ScaleX));
  raster.MoveTo(axisColumn, 0);
  raster.LineTo(axisColumn, kGraphHeight);

  raster.SetPenStyle(Raster::PenStyle::Solid);
  raster.SetPenColor(colour);
  const std::size_t n = std::min(state.PointsX.size(), state.PointsY.size());
  if (lines) {
    for (std::size_t i = 0; i + 1 < n; ++i) {
      const Pixel from = PixelOf(state, state.PointsX[i], state.PointsY[i]);
      if (Joined(state, i)) {
        const Pixel to = PixelOf(state, state.PointsX[i + 1], state.PointsY[i + 1]);
        raster.MoveTo(from.x, from.y);
        raster.LineTo(to.x, to.y);
      } else if (i == 0 || !Joined(state, i - 1)) {
        // A point alone between two gaps is still shown.
        raster.MoveTo(from.x, from.y);
        raster.LineTo(from.x + 1, from.y + 1);
      }
      Report(progress, static_cast<std::int64_t>(i));
    }
    if (n == 1 || (n > 1 && !Joined(state, n - 2))) {
      const Pixel last = PixelOf(state, state.PointsX[n - 1], state.PointsY[n - 1]);
      raster.MoveTo(last.x, last.y);
      raster.LineTo(last.x + 1, last.y + 1);
    }
    if (n > 0) Report(progress, static_cast<std::int64_t>(n - 1));
  } else {
    for (std::size_t i = 0; i < n; ++i) {
      const Pixel at = PixelOf(state, state.PointsX[i], state.PointsY[i]);
      raster.MoveTo(at.x, at.y);
      raster.LineTo(at.x + 1, at.y + 1);
      Report(progress, static_cast<std::int64_t>(i));
    }
  }
  state.GraphDrawn = true;
}

void ClearGraph(Raster& raster) {
  raster.SetBrushColor(kBlue);
  raster.SetPenColor(kBlue);
  raster.Rectangle(0, 0, kGraphWidth, kGraphHeight);
}

std::pair<Extended, Extended> ReadOut(const GraphState& state, int x, int y) {
  // Plain arithmetic: a read-out that leaves the 80-bit range is simply not shown, rather than
  // raising an error at every move of the mouse.
  const Extended readX =
      static_cast<Extended>(x) / kGraphWidth * (state.FrameEnd - state.FrameStart) +
      state.FrameStart;
  const Extended readY =
      state.MaxY - static_cast<Extended>(y) / kGraphHeight * (state.MaxY - state.MinY);
  return {readX, readY};
}

}  // namespace kalkora
