#include <gtest/gtest.h>

#include "common/design_scale.h"

namespace {

TEST(DesignScale, ValuesRoundHalfAwayFromZeroAndEdgesStayTogether) {
  const struct {
    int dpi, design, scaled;
  } cases[] = {{96, 445, 445}, {96, -4, -4},  {144, 1, 2},    {144, 13, 20},   {144, -13, -20},
               {144, -4, -6},  {120, 2, 3},   {192, 437, 874}, {144, 97, 146}, {168, 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(DpiScale(c.dpi)(c.design), c.scaled) << c.dpi << " " << c.design;
  // Two controls that touch in the design still touch: edges are scaled, not widths.
  const DpiScale scale(144);
  const Bounds left = scale(Bounds{-4, 8, 107, 25});
  const Bounds right = scale(Bounds{103, 8, 18, 14});
  EXPECT_EQ(left.Right(), right.left);
  EXPECT_EQ(left, (Bounds{-6, 12, 161, 38}));
  EXPECT_EQ(DpiScale(96)(Bounds{8, 40, 97, 17}), (Bounds{8, 40, 97, 17}));
}

TEST(DesignScale, PixelArtIsDrawnWithWholePixels) {
  PixelBuffer art(2, 2);
  art.At(0, 0) = 1;
  art.At(1, 0) = 2;
  art.At(0, 1) = 3;
  art.At(1, 1) = 4;
  EXPECT_EQ(ArtAtSize(art, {2, 2}), art);
  const PixelBuffer doubled = ArtAtSize(art, {4, 4});
  EXPECT_EQ(doubled.At(1, 1), 1u);
  EXPECT_EQ(doubled.At(2, 1), 2u);
  EXPECT_EQ(doubled.At(3, 3), 4u);
  // At 1.5 every pixel comes from the art, none is a blend.
  const PixelBuffer larger = ArtAtSize(art, {3, 3});
  for (Pixel p : larger.pixels) EXPECT_TRUE(p >= 1 && p <= 4);
  EXPECT_EQ(larger.At(0, 0), 1u);
  EXPECT_EQ(larger.At(2, 2), 4u);
  EXPECT_TRUE(ArtAtSize(PixelBuffer(), {3, 3}).Empty());
}

}  // namespace
