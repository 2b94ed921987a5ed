#include "graphs/GraphAxes.h"

#include <algorithm>
#include <cmath>

#include "graphs/Axes.h"
#include "numtext/NumText.h"

namespace kalkora {

namespace {

constexpr int kTickHalf = 2;       // a tick mark reaches this far either side of its axis
constexpr int kMostTicks = 40;     // more cannot be told apart on 300 pixels
constexpr int kWantedTicks = 8;    // about 35 pixels apart
constexpr int kTextGap = 8;        // between two numbers on the x-axis
constexpr int kOutside = 1 << 20;  // a pixel far off the picture

// The pixel of a coordinate, or kOutside where it cannot be measured.
int PixelAt(Extended offset, Extended scale) {
  const Extended at = offset * scale;
  if (!std::isfinite(at)) return kOutside;
  return static_cast<int>(std::trunc(std::clamp<Extended>(at, -kOutside, kOutside)));
}

int Chars(const std::string& text) {
  int n = 0;
  for (const char c : text)
    n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// Ticks over [low; high] shown at `pixel(v)`; with `width`, the step grows until the numbers
// of neighbouring ticks keep kTextGap between them.
template <class PixelOfValue>
std::vector<AxisTick> TicksOn(Extended low, Extended high, int wanted, bool width,
                              PixelOfValue pixel) {
  std::vector<AxisTick> ticks;
  if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) return ticks;
  for (; wanted >= 1; --wanted) {
    const Extended step = TickStep(high - low, wanted);
    ticks.clear();
    int widest = 0;
    for (const Extended value : Ticks(low, high, step, kMostTicks + 1)) {
      if (value == 0) continue;
      ticks.push_back({pixel(value), FormatGeneral15(value)});
      widest = std::max(widest, Chars(ticks.back().text) * kAxisCharWidth);
    }
    if (ticks.size() > static_cast<std::size_t>(kMostTicks)) continue;
    if (!width || ticks.size() < 2) return ticks;
    int closest = kOutside;
    for (std::size_t i = 1; i < ticks.size(); ++i)
      closest = std::min(closest, std::abs(ticks[i].pixel - ticks[i - 1].pixel));
    if (closest >= widest + kTextGap) return ticks;
  }
  ticks.clear();
  return ticks;
}

}  // namespace

GraphAxes AxesOf(const GraphState& state) {
  GraphAxes axes;
  axes.row = kGraphHeight - PixelAt(-state.MinY, state.ScaleY);
  axes.column = PixelAt(-state.FrameStart, state.ScaleX);
  if (state.ScaleX > 0 && state.ScaleY > 0) {
    // What the picture shows: its scale reaches past the range's end by less than a pixel.
    const Extended xLow = state.FrameStart, xHigh = xLow + kGraphWidth / state.ScaleX;
    const Extended yLow = state.MinY, yHigh = yLow + kGraphHeight / state.ScaleY;
    axes.x = TicksOn(xLow, xHigh, kWantedTicks, true,
                     [&](Extended v) { return PixelAt(v - state.FrameStart, state.ScaleX); });
    axes.y = TicksOn(yLow, yHigh, kWantedTicks, false, [&](Extended v) {
      return kGraphHeight - PixelAt(v - state.MinY, state.ScaleY);
    });
  }
  // Numbers stay on the picture when an axis is beside or off it.
  axes.xTextTop = std::clamp(axes.row + kTickHalf + 2, 0, kGraphHeight - kAxisTextHeight);
  int widest = 0;
  for (const AxisTick& tick : axes.y)
    widest = std::max(widest, Chars(tick.text) * kAxisCharWidth);
  axes.yTextLeft = std::clamp(axes.column + kTickHalf + 2, 2, kGraphWidth - widest - 2);
  axes.origin = axes.RowShown() && axes.ColumnShown();
  // A number that would run off the picture is left out; its tick and grid line stay.
  for (AxisTick& tick : axes.x) {
    const int half = Chars(tick.text) * kAxisCharWidth / 2;
    if (tick.pixel - half < 0 || tick.pixel + half > kGraphWidth) tick.text.clear();
  }
  for (AxisTick& tick : axes.y) {
    // The top line is the y-axis's name.
    if (tick.pixel < kAxisTextHeight * 3 / 2 || tick.pixel > kGraphHeight - kAxisTextHeight / 2)
      tick.text.clear();
  }
  return axes;
}

void DrawAxes(const GraphAxes& axes, Raster& raster) {
  raster.SetPenStyle(Raster::PenStyle::Solid);
  raster.SetPenColor(kGridColour);
  for (const AxisTick& tick : axes.x) {
    if (tick.pixel < 0 || tick.pixel >= kGraphWidth) continue;
    raster.MoveTo(tick.pixel, 0);
    raster.LineTo(tick.pixel, kGraphHeight);
  }
  for (const AxisTick& tick : axes.y) {
    if (tick.pixel < 0 || tick.pixel >= kGraphHeight) continue;
    raster.MoveTo(0, tick.pixel);
    raster.LineTo(kGraphWidth, tick.pixel);
  }
  raster.SetPenColor(kYellow);
  if (axes.RowShown()) {
    for (const AxisTick& tick : axes.x) {
      raster.MoveTo(tick.pixel, axes.row - kTickHalf);
      raster.LineTo(tick.pixel, axes.row + kTickHalf + 1);
    }
  }
  if (axes.ColumnShown()) {
    for (const AxisTick& tick : axes.y) {
      raster.MoveTo(axes.column - kTickHalf, tick.pixel);
      raster.LineTo(axes.column + kTickHalf + 1, tick.pixel);
    }
  }
}

}  // namespace kalkora
