#pragma once
#include <optional>

// Plain geometry of the portable side; Win32 types stay at the boundary.

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Left, top, width and height, as the program stores and places its windows.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

// Edge coordinates, as window rectangles come from the system.
struct Edges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Edges&, const Edges&) = default;
};

// Pulls `bounds` inside the work area; the left and top edges win when it does not fit.
Bounds ClampIntoWorkArea(Bounds bounds, const Bounds& workArea);
// The same for a window that may also be made smaller (a resizable one) to fit whole.
Bounds FitIntoWorkArea(Bounds bounds, const Bounds& workArea, bool resizable);

// The largest size with the picture's proportions that fits the box, never larger than the
// picture itself and never without width or height; nullopt for an empty picture or box.
std::optional<Size> FitInside(Size picture, Size box);
