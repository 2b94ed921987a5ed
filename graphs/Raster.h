// A plain pixel buffer with the few drawing operations a graph needs, following the rules of the
// window system the program was designed for: a line leaves out its end pixel, a dotted pen
// draws three pixels on and three off with the gaps in the brush colour, and a rectangle's
// right and bottom edges lie outside it. Plotting is pure code that tests read pixel by pixel.
#pragma once

#include <cstdint>
#include <vector>

namespace kalkora {

// 0xRRGGBB.
using Rgb = std::uint32_t;
inline constexpr Rgb kBlue = 0x0000ff;
inline constexpr Rgb kYellow = 0xffff00;

class Raster {
 public:
  enum class PenStyle { Solid, Dotted };

  Raster(int width, int height, Rgb fill = 0xffffff);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The colour at (x, y), which must lie on the raster.
  Rgb Pixel(int x, int y) const { return pixels_[Index(x, y)] & 0xffffff; }
  // Rows of 32-bit pixels 0xFFRRGGBB, top row first: the layout of a 32-bit RGB image.
  const std::uint32_t* Data() const { return pixels_.data(); }

  void SetPenColor(Rgb color) { pen_ = color; }
  void SetBrushColor(Rgb color) { brush_ = color; }
  void SetPenStyle(PenStyle style) { style_ = style; }

  void MoveTo(int x, int y);
  // Draws from the pen position to (x, y), without the end pixel, and moves the pen there.
  void LineTo(int x, int y);
  // Fills (left, top) to (right - 1, bottom - 1) with the brush and outlines it with the pen.
  void Rectangle(int left, int top, int right, int bottom);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  void Plot(int x, int y, Rgb color);
  void Line(long long x0, long long y0, long long x1, long long y1, bool includeEnd);

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
  Rgb pen_ = 0x000000;
  Rgb brush_ = 0xffffff;
  PenStyle style_ = PenStyle::Solid;
  int penX_ = 0;
  int penY_ = 0;
  int dashPhase_ = 0;  // position in the dotted pattern, carried from line to joined line
};

}  // namespace kalkora
