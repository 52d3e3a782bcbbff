#pragma once
#include <vector>

#include "common/geometry.h"
#include "common/rounding.h"

// The shape divisor of size step 0..4 (合成中央のサイズ 1..5): 4, 5, 8, 16, 32; 8 outside the steps.
int ShapeDivisor(int sizeStep);

// A pie of the ellipse bounded by `box`, from the radius toward `from` counter-clockwise to the
// radius toward `to` (the points in picture coordinates, as GDI's Pie takes them).
struct PieFigure {
  Edges box;
  Point from;
  Point to;
  friend bool operator==(const PieFigure&, const PieFigure&) = default;
};

// What GDI draws for one figure: the whole picture, an ellipse, pies or a polygon.
struct ShapeFigure {
  enum class Kind { Nothing, Whole, Ellipse, Pies, Polygon };
  Kind kind = Kind::Nothing;
  Edges box;                    // Whole and Ellipse
  std::vector<PieFigure> pies;  // Pies, in drawing order
  std::vector<Point> points;    // Polygon
};

// Figure `shape` (0 whole, 1 ellipse, 2 fan, 3 triangle, 4 rectangle, 5 pentagon, 6 hexagon,
// 7 heart; others nothing) on a picture of `size`, shifted left by `a` and up by `b`, inset by
// 1/`divisor` of the picture on each side (0 or less counts as 8).
ShapeFigure ShapeGeometry(int shape, Size size, int a, int b, int divisor);
