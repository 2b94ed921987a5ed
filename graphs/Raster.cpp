#include "graphs/Raster.h"

#include <algorithm>
#include <cstdlib>

namespace kalkora {

namespace {

constexpr int kDotLength = 3;

// Products of two coordinate differences need more than 64 bits.
__extension__ typedef __int128 Wide;

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
  // Step k of the line moves one pixel along its longer axis and puts the shorter axis at
  // round(k * minor / major): Bresenham's pixels, computed directly for each step. So only the
  // steps that fall on the raster are visited, however far the line reaches, and a line that
  // runs off the image keeps exactly the pixels it would have had.
  const long long dx = std::llabs(x1 - x0);
  const long long dy = std::llabs(y1 - y0);
  const long long stepX = x0 <= x1 ? 1 : -1;
  const long long stepY = y0 <= y1 ? 1 : -1;
  const bool xMajor = dx >= dy;
  const long long major = xMajor ? dx : dy;
  const long long minor = xMajor ? dy : dx;
  const long long steps = major + (includeEnd ? 1 : 0);
  const long long start = xMajor ? x0 : y0;
  const long long along = xMajor ? stepX : stepY;
  const long long limit = xMajor ? width_ : height_;
  long long first = along > 0 ? -start : start - (limit - 1);
  long long last = along > 0 ? limit - 1 - start : start;
  first = std::max(first, 0LL);
  last = std::min(last, steps - 1);
  for (long long k = first; k <= last; ++k) {
    const long long across =
        major == 0
            ? 0
            : static_cast<long long>((2 * static_cast<Wide>(k) * minor + major) / (2 * major));
    const long long x = xMajor ? x0 + stepX * k : x0 + stepX * across;
    const long long y = xMajor ? y0 + stepY * across : y0 + stepY * k;
    Rgb color = pen_;
    // Opaque dots: the gaps take the brush colour, as the window system's canvas did.
    if (style_ == PenStyle::Dotted && (dashPhase_ + k) / kDotLength % 2 != 0) color = brush_;
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
      Plot(static_cast<int>(x), static_cast<int>(y), color);
    }
  }
  if (steps > 0) dashPhase_ = static_cast<int>((dashPhase_ + steps) % (2 * kDotLength));
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
