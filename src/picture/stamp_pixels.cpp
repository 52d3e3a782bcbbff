#include "picture/stamp_pixels.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Four pixels at a time (GCC's and Clang's vector types, plain SSE2 on x86-64).
using Pixels4 = Pixel __attribute__((vector_size(16)));

// One line of a stamp: `count` target pixels ANDed with the mask, then ORed or exclusive-or'ed
// with the colour.
template <bool OrColour>
void StampLine(Pixel* to, const Pixel* mask, const Pixel* colour, std::size_t count) {
  std::size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    Pixels4 t, m, c;
    std::memcpy(&t, to + i, sizeof t);
    std::memcpy(&m, mask + i, sizeof m);
    std::memcpy(&c, colour + i, sizeof c);
    t &= m;
    if constexpr (OrColour) {
      t |= c;
    } else {
      t ^= c;
    }
    std::memcpy(to + i, &t, sizeof t);
  }
  for (; i < count; ++i) {
    const Pixel masked = to[i] & mask[i];
    to[i] = OrColour ? masked | colour[i] : masked ^ colour[i];
  }
}

// Corners that share one y, line by line; `cursor` is the size both images cover. 64-bit
// coordinates, so that no edge wraps.
void StampRow(PixelRows target, ConstPixelRows mask, ConstPixelRows colour, Size cursor,
              std::span<const Point> corners, bool orColour) {
  const long long atY = corners.front().y;
  const long long top = std::max<long long>(0, atY);
  const long long bottom = std::min<long long>(target.size.height, atY + cursor.height);
  for (long long y = top; y < bottom; ++y) {
    Pixel* to = target.pixels + static_cast<std::ptrdiff_t>(y * target.size.width);
    const long long cy = y - atY;
    const Pixel* m = mask.pixels + static_cast<std::ptrdiff_t>(cy * mask.size.width);
    const Pixel* c = colour.pixels + static_cast<std::ptrdiff_t>(cy * colour.size.width);
    for (const Point& at : corners) {
      const long long left = std::max<long long>(0, at.x);
      const long long right = std::min<long long>(target.size.width, static_cast<long long>(at.x) + cursor.width);
      if (left >= right) continue;
      const auto from = static_cast<std::ptrdiff_t>(left - at.x);
      const auto count = static_cast<std::size_t>(right - left);
      if (orColour) {
        StampLine<true>(to + left, m + from, c + from, count);
      } else {
        StampLine<false>(to + left, m + from, c + from, count);
      }
    }
  }
}

}  // namespace

void StampPixels(PixelRows target, ConstPixelRows mask, ConstPixelRows colour, Point at, bool orColour) {
  StampPixels(target, mask, colour, std::span<const Point>(&at, 1), orColour);
}

void StampPixels(PixelRows target, ConstPixelRows mask, ConstPixelRows colour, std::span<const Point> corners,
                 bool orColour) {
  if (!target.pixels || !mask.pixels || !colour.pixels) return;
  // The cursor is as large as both its images are.
  const Size cursor{std::min(mask.size.width, colour.size.width), std::min(mask.size.height, colour.size.height)};
  while (!corners.empty()) {
    std::size_t count = 1;
    while (count < corners.size() && corners[count].y == corners.front().y) ++count;
    StampRow(target, mask, colour, cursor, corners.first(count), orColour);
    corners = corners.subspan(count);
  }
}
