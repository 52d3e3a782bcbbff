#pragma once
#include "common/geometry.h"
#include "common/pixels.h"

// The program's windows are designed in pixels at 96 dots per inch; at another DPI every design
// value is scaled by dpi / 96, rounded half away from zero (as MulDiv does). Rectangles are
// scaled edge by edge, so that controls that touch in the design still touch.
inline constexpr int DesignDpi = 96;

class DpiScale {
 public:
  explicit constexpr DpiScale(int dpi) : dpi_(dpi) {}
  constexpr int Dpi() const { return dpi_; }
  int operator()(int design) const;
  Size operator()(Size design) const { return {(*this)(design.width), (*this)(design.height)}; }
  Point operator()(Point design) const { return {(*this)(design.x), (*this)(design.y)}; }
  Bounds operator()(const Bounds& design) const;

 private:
  int dpi_;
};

// Pixel art drawn at `size`: each pixel takes the art's pixel under its centre, so edges stay
// sharp (no blending) and at the art's own size it is the art itself.
PixelBuffer ArtAtSize(const PixelBuffer& art, Size size);
