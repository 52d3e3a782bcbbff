#include "msgbox/work_area.h"

#include <algorithm>

bool IsTaskbarCandidate(const Edges& w, Size screen, int windowTextLength) {
  const bool centredAcross = w.left + w.right == screen.width;
  const bool centredDown = w.top + w.bottom == screen.height;
  if (!centredAcross && !centredDown) return false;
  if (centredAcross && (w.left == 0 || w.Height() > screen.height / 2 + 2)) return false;
  if (centredDown && (w.top == 0 || w.Width() > screen.width / 2 + 2)) return false;
  return windowTextLength == 0;
}

std::optional<Bounds> WorkAreaBesideTaskbar(const Edges& bar, Size screen) {
  Bounds area;
  if (bar.left + bar.right == screen.width) {  // horizontal bar
    area.left = 0;
    area.width = screen.width;
    if (bar.top < 0) {
      area.top = bar.bottom;
      area.height = screen.height - bar.bottom;
    } else {
      area.top = 0;
      area.height = bar.top;
    }
  } else {  // vertical bar
    if (bar.left < 0) {
      area.left = bar.right;
      area.width = screen.width - bar.right;
    } else {
      area.left = 0;
      area.width = bar.left;
    }
    area.top = 0;
    area.height = screen.height;
  }
  // A bar that covers everything (or lies outside) leaves no usable area.
  if (area.width <= 0 || area.height <= 0) return std::nullopt;
  return area;
}

Bounds PlaceOn(const Bounds& reference, Size size, const Bounds& workArea) {
  const Bounds centred{reference.left + (reference.width - size.width) / 2,
                       reference.top + (reference.height - size.height) / 2, size.width, size.height};
  return ClampIntoWorkArea(centred, workArea);
}
