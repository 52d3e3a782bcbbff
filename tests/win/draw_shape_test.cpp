#include <gtest/gtest.h>

#include <vector>

#include "edit/draw_shape.h"

namespace {

constexpr Pixel White = MakePixel(255, 255, 255);

struct Probe {
  int shape;
  std::vector<Point> inside;   // drawn in the colour
  std::vector<Point> outside;  // left as they were
};

// 100 × 100 by 8: the figures are inset by 12 on each side.
TEST(DrawShape, EachFigureFillsItsAreaAndNothingElse) {
  const Probe probes[] = {
      {0, {{0, 0}, {99, 99}}, {}},
      {1, {{50, 50}, {13, 50}}, {{14, 14}, {5, 50}}},
      // The upper sector of a tall ellipse centred at (50, 88): counter-clockwise from right to left.
      {2, {{50, 40}, {50, 14}}, {{50, 95}, {15, 80}}},
      {3, {{50, 70}, {50, 14}}, {{20, 20}, {80, 20}}},
      {4, {{12, 12}, {87, 87}}, {{11, 50}, {50, 90}}},
      {5, {{50, 50}, {24, 87}}, {{14, 14}, {14, 86}}},
      {6, {{50, 50}, {14, 50}}, {{14, 14}, {86, 86}}},
      // Two lobes above, the lower half of a large ellipse below, a notch between the lobes.
      {7, {{50, 50}, {31, 20}, {69, 20}}, {{50, 13}, {50, 95}, {5, 5}}},
      {8, {}, {{50, 50}, {0, 0}}},
  };
  for (const Probe& probe : probes) {
    SCOPED_TRACE(probe.shape);
    Picture picture;
    ASSERT_TRUE(picture.Assign(PixelBuffer(100, 100, White)));
    DrawShape(picture, probe.shape, 0, 0, RGB(0, 0, 255), 8);
    for (const Point p : probe.inside) EXPECT_EQ(picture.Row(p.y)[p.x] & 0xFFFFFF, MakePixel(0, 0, 255)) << p.x << "," << p.y;
    for (const Point p : probe.outside) EXPECT_EQ(picture.Row(p.y)[p.x] & 0xFFFFFF, White) << p.x << "," << p.y;
  }
}

// Shifted 10 left and 20 up, the ellipse lies in (2, −8, 78, 68); a divisor of 0 counts as 8.
TEST(DrawShape, ShiftsMoveTheFigureLeftAndUp) {
  Picture picture;
  ASSERT_TRUE(picture.Assign(PixelBuffer(100, 100, White)));
  DrawShape(picture, 1, 10, 20, RGB(0, 0, 0), 0);
  EXPECT_EQ(picture.Row(30)[5] & 0xFFFFFF, MakePixel(0, 0, 0));
  EXPECT_EQ(picture.Row(50)[85] & 0xFFFFFF, White);
  EXPECT_EQ(picture.Row(75)[40] & 0xFFFFFF, White);
}

}  // namespace
