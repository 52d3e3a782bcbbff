#pragma once
#include <cstdint>
#include <span>

#include "common/geometry.h"
#include "ui/handles.h"

// A composition's figure as a one-bit picture: a bit is set where the picture keeps its own pixel
// (white in the figure's outer mask) and clear inside the figure. One bit instead of a 32-bit
// pixel keeps the mask of a large picture within the cache while the picture is composed.
class FigureMask {
 public:
  // The figure `shape` drawn as DrawShape draws it on a picture of `size` (shifts 0 and 0),
  // within `part` only; false when the mask could not be made.
  bool Draw(Size size, int shape, int divisor, const Bounds& part);

  // Bits of row y, the leftmost pixel in the highest bit of the first byte.
  const std::uint8_t* Row(int y) const { return bits_ + static_cast<std::size_t>(y) * stride_; }

 private:
  BitmapHandle bitmap_;
  std::uint8_t* bits_ = nullptr;
  std::size_t stride_ = 0;
};
