#include "picture/scale_size.h"

#include <algorithm>

namespace {

// Round(side / 2) with halves going to the even neighbour, kept at 1 or more.
int HalvedSide(int side) {
  int half = side / 2;
  if (side % 2 != 0 && half % 2 != 0) ++half;  // k + 0.5 with k odd rounds up to k + 1
  return std::max(half, 1);
}

}  // namespace

std::optional<Size> ScaledSize(Size picture, ScaleKind kind) {
  if (picture.width <= 0 || picture.height <= 0) return std::nullopt;
  if (kind == ScaleKind::Half) return Size{HalvedSide(picture.width), HalvedSide(picture.height)};
  // The sides are compared before multiplying, so a huge side cannot overflow.
  if (picture.width > MaxScaledSide / 2 || picture.height > MaxScaledSide / 2 ||
      4 * std::int64_t{picture.width} * picture.height > MaxPicturePixels) {
    return std::nullopt;
  }
  return Size{picture.width * 2, picture.height * 2};
}
