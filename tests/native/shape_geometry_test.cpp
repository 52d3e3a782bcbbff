#include <gtest/gtest.h>

#include "edit/shape_geometry.h"

namespace {

using Kind = ShapeFigure::Kind;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    int rounded;
  } cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},       {12.5, 12},    {-0.5, 0}, {-1.5, -2},
               {-2.5, -2}, {1.0625, 1}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7.0, 7}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(ShapeDivisor, SizeStepsAndOutsiders) {
  const int expected[] = {8, 4, 5, 8, 16, 32, 8};
  for (int step = -1; step <= 5; ++step) EXPECT_EQ(ShapeDivisor(step), expected[step + 1]) << step;
}

struct ShapeCase {
  int shape;
  Kind kind;
  Edges box;
  std::vector<PieFigure> pies;
  std::vector<Point> points;
};

void ExpectShapes(Size size, int a, int b, int divisor, const std::vector<ShapeCase>& cases) {
  for (const auto& c : cases) {
    const ShapeFigure figure = ShapeGeometry(c.shape, size, a, b, divisor);
    EXPECT_EQ(figure.kind, c.kind) << c.shape;
    if (c.kind == Kind::Whole || c.kind == Kind::Ellipse) {
      EXPECT_EQ(figure.box, c.box) << c.shape;
    }
    EXPECT_EQ(figure.pies, c.pies) << c.shape;
    EXPECT_EQ(figure.points, c.points) << c.shape;
  }
}

// 100 / 8 = 12.5 rounds to 12.
TEST(ShapeGeometry, EveryFigureOnASquareWithoutShifts) {
  ExpectShapes({100, 100}, 0, 0, 8,
               {
                   {0, Kind::Whole, {0, 0, 100, 100}, {}, {}},
                   {1, Kind::Ellipse, {12, 12, 88, 88}, {}, {}},
                   {2, Kind::Pies, {}, {{{12, 12, 88, 164}, {100, 50}, {0, 50}}}, {}},
                   {3, Kind::Polygon, {}, {}, {{50, 12}, {12, 88}, {88, 88}}},
                   {4, Kind::Polygon, {}, {}, {{12, 12}, {88, 12}, {88, 88}, {12, 88}}},
                   {5, Kind::Polygon, {}, {}, {{12, 50}, {50, 12}, {88, 50}, {76, 88}, {24, 88}}},
                   {6, Kind::Polygon, {}, {}, {{12, 50}, {31, 12}, {69, 12}, {88, 50}, {69, 88}, {31, 88}}},
                   {7,
                    Kind::Pies,
                    {},
                    {{{12, -40, 88, 88}, {0, 24}, {50, 100}},
                     {{12, 12, 50, 36}, {100, 24}, {0, 24}},
                     {{50, 12, 88, 36}, {100, 24}, {0, 24}},
                     {{12, -40, 88, 88}, {50, 100}, {100, 24}}},
                    {}},
                   {8, Kind::Nothing, {}, {}, {}},
                   {-1, Kind::Nothing, {}, {}, {}},
               });
}

// 90 × 63 by 4: dx = 22.5 → 22, dy = 15.75 → 16; H div 2 = 31 but Round(H / 2) = 32; the
// radial points stay unshifted except the lobe line 2dy − b.
TEST(ShapeGeometry, EveryFigureOnAnOddPictureWithShifts) {
  ExpectShapes({90, 63}, 3, 5, 4,
               {
                   {0, Kind::Whole, {0, 0, 90, 63}, {}, {}},
                   {1, Kind::Ellipse, {19, 11, 65, 42}, {}, {}},
                   {2, Kind::Pies, {}, {{{19, 11, 65, 73}, {90, 31}, {0, 31}}}, {}},
                   {3, Kind::Polygon, {}, {}, {{42, 11}, {19, 42}, {65, 42}}},
                   {4, Kind::Polygon, {}, {}, {{19, 11}, {65, 11}, {65, 42}, {19, 42}}},
                   {5, Kind::Polygon, {}, {}, {{19, 26}, {42, 11}, {65, 26}, {43, 42}, {41, 42}}},
                   {6, Kind::Polygon, {}, {}, {{19, 27}, {31, 11}, {53, 11}, {65, 27}, {53, 42}, {31, 42}}},
                   {7,
                    Kind::Pies,
                    {},
                    {{{19, 12, 65, 42}, {0, 27}, {45, 63}},
                     {{19, 11, 42, 43}, {90, 27}, {0, 27}},
                     {{42, 11, 65, 43}, {90, 27}, {0, 27}},
                     {{19, 12, 65, 42}, {45, 63}, {90, 27}}},
                    {}},
               });
}

TEST(ShapeGeometry, ADivisorOfZeroOrLessCountsAsEight) {
  for (const int divisor : {0, -3}) {
    EXPECT_EQ(ShapeGeometry(1, {100, 100}, 0, 0, divisor).box, (Edges{12, 12, 88, 88})) << divisor;
  }
}

}  // namespace
