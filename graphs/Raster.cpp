#include "graphs/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kalkora {

namespace {

constexpr int kDotLength = 3;

// Liang-Barsky: cuts the segment to the box, in place; false when nothing of it is inside.
bool ClipToBox(double& x0, double& y0, double& x1, double& y1, double left, double top,
               double right, double bottom) {
  double t0 = 0;
  double t1 = 1;
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - left, right - x0, y0 - top, bottom - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const double startX = x0;
  const double startY = y0;
  x0 = startX + t0 * dx;
  y0 = startY + t0 * dy;
  x1 = startX + t1 * dx;
  y1 = startY + t1 * dy;
  return true;
}

}  // namespace

Raster::Raster(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              0xff000000u | fill) {}

void Raster::Plot(int x, int y, Rgb color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[Index(x, y)] = 0xff000000u | color;
}

void Raster::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
  dashPhase_ = 0;
}

void Raster::LineTo(int x, int y) {
  Line(penX_, penY_, x, y, false);
  penX_ = x;
  penY_ = y;
}

void Raster::Line(long long x0, long long y0, long long x1, long long y1, bool includeEnd) {
  // A line reaching far outside the raster is cut to a margin around it first, so that the
  // work stays proportional to what can be seen; short lines are drawn exactly as they are.
  const long long margin = 4 * (static_cast<long long>(width_) + height_) + 16;
  const bool far = std::llabs(x0) > margin || std::llabs(y0) > margin || std::llabs(x1) > margin ||
                   std::llabs(y1) > margin;
  if (far) {
    double fx0 = static_cast<double>(x0), fy0 = static_cast<double>(y0);
    double fx1 = static_cast<double>(x1), fy1 = static_cast<double>(y1);
    const double lo = -2.0;
    if (!ClipToBox(fx0, fy0, fx1, fy1, lo, lo, width_ + 1.0, height_ + 1.0)) return;
    const bool endCut = fx1 != static_cast<double>(x1) || fy1 != static_cast<double>(y1);
    x0 = std::llround(fx0);
    y0 = std::llround(fy0);
    x1 = std::llround(fx1);
    y1 = std::llround(fy1);
    includeEnd = includeEnd || endCut;
  }
  const long long dx = std::llabs(x1 - x0);
  const long long dy = std::llabs(y1 - y0);
  const long long stepX = x0 < x1 ? 1 : -1;
  const long long stepY = y0 < y1 ? 1 : -1;
  const long long steps = std::max(dx, dy) + (includeEnd ? 1 : 0);
  long long error = dx - dy;
  long long x = x0;
  long long y = y0;
  for (long long i = 0; i < steps; ++i) {
    Rgb color = pen_;
    if (style_ == PenStyle::Dotted) {
      // Opaque dots: the gaps take the brush colour, as the window system's canvas did.
      color = (dashPhase_ / kDotLength) % 2 == 0 ? pen_ : brush_;
      dashPhase_ = (dashPhase_ + 1) % (2 * kDotLength);
    }
    Plot(static_cast<int>(x), static_cast<int>(y), color);
    const long long doubled = 2 * error;
    if (doubled > -dy) {
      error -= dy;
      x += stepX;
    }
    if (doubled < dx) {
      error += dx;
      y += stepY;
    }
  }
}

void Raster::Rectangle(int left, int top, int right, int bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const int x0 = std::max(left, 0);
  const int x1 = std::min(right, width_);
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
    for (int x = x0; x < x1; ++x) {
      const bool edge = x == left || x == right - 1 || y == top || y == bottom - 1;
      pixels_[Index(x, y)] = 0xff000000u | (edge ? pen_ : brush_);
    }
  }
}

}  // namespace kalkora
