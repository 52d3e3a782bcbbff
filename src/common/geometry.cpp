#include "common/geometry.h"

#include <algorithm>

Bounds ClampIntoWorkArea(Bounds b, const Bounds& work) {
  b.left = std::min(b.left, work.left + work.width - b.width);
  b.top = std::min(b.top, work.top + work.height - b.height);
  b.left = std::max(b.left, work.left);
  b.top = std::max(b.top, work.top);
  return b;
}

Bounds FitIntoWorkArea(Bounds b, const Bounds& work, bool resizable) {
  if (resizable) {
    b.width = std::min(b.width, std::max(work.width, 0));
    b.height = std::min(b.height, std::max(work.height, 0));
  }
  return ClampIntoWorkArea(b, work);
}

std::optional<Size> FitInside(Size picture, Size box) {
  if (picture.width <= 0 || picture.height <= 0 || box.width <= 0 || box.height <= 0) return std::nullopt;
  if (picture.width <= box.width && picture.height <= box.height) return picture;
  const long long w = picture.width, h = picture.height;
  // Compared crosswise in 64 bits: the wider proportion fills the box's width.
  if (w * box.height >= h * box.width) {
    return Size{box.width, static_cast<int>(std::max<long long>(1, h * box.width / w))};
  }
  return Size{static_cast<int>(std::max<long long>(1, w * box.height / h)), box.height};
}
