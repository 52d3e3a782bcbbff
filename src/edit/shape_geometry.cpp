#include "edit/shape_geometry.h"

#include <utility>

int ShapeDivisor(int sizeStep) {
  constexpr int divisors[] = {4, 5, 8, 16, 32};
  return sizeStep >= 0 && sizeStep < 5 ? divisors[sizeStep] : 8;
}

namespace {

ShapeFigure Polygon(std::vector<Point> points) {
  ShapeFigure figure;
  figure.kind = ShapeFigure::Kind::Polygon;
  figure.points = std::move(points);
  return figure;
}

ShapeFigure Pies(std::vector<PieFigure> pies) {
  ShapeFigure figure;
  figure.kind = ShapeFigure::Kind::Pies;
  figure.pies = std::move(pies);
  return figure;
}

}  // namespace

ShapeFigure ShapeGeometry(int shape, Size size, int a, int b, int divisor) {
  const int w = size.width;
  const int h = size.height;
  const int n = divisor <= 0 ? 8 : divisor;
  const int dx = RoundHalfEven(static_cast<double>(w) / n);
  const int dy = RoundHalfEven(static_cast<double>(h) / n);
  const int halfW = RoundHalfEven(w / 2.0);
  const int halfH = RoundHalfEven(h / 2.0);
  // Left, right, top and bottom of the inset figure, shifted.
  const int left = dx - a;
  const int right = w - dx - a;
  const int top = dy - b;
  const int bottom = h - dy - b;
  ShapeFigure figure;
  switch (shape) {
    case 0:
      figure.kind = ShapeFigure::Kind::Whole;
      figure.box = {0, 0, w, h};
      return figure;
    case 1:
      figure.kind = ShapeFigure::Kind::Ellipse;
      figure.box = {left, top, right, bottom};
      return figure;
    case 2:
      return Pies({{{left, top, right, 2 * h - 3 * dy - b}, {w, h / 2}, {0, h / 2}}});
    case 3:
      return Polygon({{halfW - a, top}, {left, bottom}, {right, bottom}});
    case 4:
      return Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
    case 5:
      return Polygon(
          {{left, h / 2 - b}, {halfW - a, top}, {right, h / 2 - b}, {w - 2 * dx - a, bottom}, {2 * dx - a, bottom}});
    case 6: {
      const int q = RoundHalfEven((w - 2.0 * dx) / 4.0);
      return Polygon({{left, halfH - b},
                      {left + q, top},
                      {right - q, top},
                      {right, halfH - b},
                      {right - q, bottom},
                      {left + q, bottom}});
    }
    case 7: {
      // A large ellipse gives the point, two small ones the lobes.
      const Edges large{left, 5 * dy - h - b, right, bottom};
      const Point lobeLine{0, 2 * dy - b};
      const Point lobeLineRight{w, 2 * dy - b};
      const Point tip{halfW, h};
      return Pies({{large, lobeLine, tip},
                   {{left, top, halfW - a, 3 * dy - b}, lobeLineRight, lobeLine},
                   {{halfW - a, top, right, 3 * dy - b}, lobeLineRight, lobeLine},
                   {large, tip, lobeLineRight}});
    }
    default:
      return figure;
  }
}
