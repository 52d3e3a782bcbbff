#include "cursor/stamp_pixels.h"

#include <algorithm>
#include <cstddef>

void StampPixels(PixelRows target, ConstPixelRows mask, ConstPixelRows colour, Point at, bool orColour) {
  if (!target.pixels || !mask.pixels || !colour.pixels) return;
  // The cursor is as large as both its images are; 64-bit so that no edge wraps.
  const long long width = std::min(mask.size.width, colour.size.width);
  const long long height = std::min(mask.size.height, colour.size.height);
  const long long left = std::max<long long>(0, at.x);
  const long long top = std::max<long long>(0, at.y);
  const long long right = std::min<long long>(target.size.width, at.x + width);
  const long long bottom = std::min<long long>(target.size.height, at.y + height);
  for (long long y = top; y < bottom; ++y) {
    Pixel* to = target.pixels + static_cast<std::ptrdiff_t>(y * target.size.width);
    const long long cy = y - at.y;
    const Pixel* m = mask.pixels + static_cast<std::ptrdiff_t>(cy * mask.size.width);
    const Pixel* c = colour.pixels + static_cast<std::ptrdiff_t>(cy * colour.size.width);
    for (long long x = left; x < right; ++x) {
      const long long cx = x - at.x;
      const Pixel masked = to[x] & m[cx];
      to[x] = orColour ? masked | c[cx] : masked ^ c[cx];
    }
  }
}
