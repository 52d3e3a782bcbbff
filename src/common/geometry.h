#pragma once
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
