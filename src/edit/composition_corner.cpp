#include "edit/composition_corner.h"

#include <algorithm>
#include <limits>

namespace {
int Centred(int whole, int part, int correction) {
  const long long corner = static_cast<long long>(correction) + (static_cast<long long>(whole) - part) / 2;
  return static_cast<int>(std::clamp<long long>(corner, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
}  // namespace

Point SecondPictureCorner(Size working, Size second, Point correction) {
  return {Centred(working.width, second.width, correction.x), Centred(working.height, second.height, correction.y)};
}
