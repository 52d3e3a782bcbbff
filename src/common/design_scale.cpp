#include "common/design_scale.h"

#include <cstdint>

int DpiScale::operator()(int design) const {
  const std::int64_t product = static_cast<std::int64_t>(design) * dpi_;
  const std::int64_t half = product < 0 ? -DesignDpi / 2 : DesignDpi / 2;
  return static_cast<int>((product + half) / DesignDpi);
}

Bounds DpiScale::operator()(const Bounds& design) const {
  const int left = (*this)(design.left);
  const int top = (*this)(design.top);
  return {left, top, (*this)(design.Right()) - left, (*this)(design.Bottom()) - top};
}

PixelBuffer ArtAtSize(const PixelBuffer& art, Size size) {
  if (art.Empty() || size.width <= 0 || size.height <= 0) return {};
  PixelBuffer drawn(size.width, size.height);
  for (int y = 0; y < size.height; ++y) {
    const int fromY = static_cast<int>((2LL * y + 1) * art.height / (2LL * size.height));
    for (int x = 0; x < size.width; ++x) {
      drawn.At(x, y) = art.At(static_cast<int>((2LL * x + 1) * art.width / (2LL * size.width)), fromY);
    }
  }
  return drawn;
}
