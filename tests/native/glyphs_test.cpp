#include <gtest/gtest.h>

#include <algorithm>

#include "common/geometry.h"
#include "cursor/glyphs.h"

namespace {

constexpr Pixel Black = MakePixel(0, 0, 0);
constexpr Pixel White = MakePixel(255, 255, 255);

struct GlyphCase {
  const char* name;
  Glyph glyph;
  int left, right, top, bottom;  // the opaque pixels' extent, inclusive
  Point tip;                     // the pixel the figure points with, where it has one
};

const GlyphCase Glyphs[] = {
    {"Arrow", Glyph::Arrow, 0, 10, 0, 18, {0, 0}},
    {"ArrowMedium", Glyph::ArrowMedium, 2, 16, 4, 28, {2, 4}},
    {"ArrowLarge", Glyph::ArrowLarge, 0, 17, 1, 30, {0, 1}},
    {"Pen", Glyph::Pen, 5, 27, 5, 27, {5, 5}},
    {"Size", Glyph::Size, 5, 25, 4, 24, {15, 4}},
};

TEST(Glyphs, EachPairIsABlackAndWhiteMaskPairWithinItsExtent) {
  for (const GlyphCase& c : Glyphs) {
    SCOPED_TRACE(c.name);
    const GlyphPair pair = GlyphPictures(c.glyph);
    ASSERT_EQ(pair.andMask.width, 32);
    ASSERT_EQ(pair.andMask.height, 32);
    ASSERT_EQ(pair.xorColour.width, 32);
    ASSERT_EQ(pair.xorColour.height, 32);
    int left = 32, right = -1, top = 32, bottom = -1, white = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const Pixel mask = pair.andMask.At(x, y), colour = pair.xorColour.At(x, y);
        ASSERT_TRUE(mask == Black || mask == White) << x << "," << y;
        ASSERT_TRUE(colour == Black || colour == White) << x << "," << y;
        // A transparent pixel must leave the background alone, not invert it.
        if (mask == White) {
          EXPECT_EQ(colour, Black) << x << "," << y;
          continue;
        }
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
        if (colour == White) ++white;
      }
    }
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(right, c.right);
    EXPECT_EQ(top, c.top);
    EXPECT_EQ(bottom, c.bottom);
    EXPECT_GT(white, 0);
    EXPECT_EQ(pair.andMask.At(c.tip.x, c.tip.y), Black);
  }
}

TEST(Glyphs, TheWhiteFigureIsOutlinedSoItShowsOnWhite) {
  for (const GlyphCase& c : Glyphs) {
    SCOPED_TRACE(c.name);
    const GlyphPair pair = GlyphPictures(c.glyph);
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        if (pair.xorColour.At(x, y) != White) continue;
        const Point neighbours[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const Point n : neighbours) {
          ASSERT_TRUE(n.x >= 0 && n.x < 32 && n.y >= 0 && n.y < 32) << x << "," << y;
          EXPECT_EQ(pair.andMask.At(n.x, n.y), Black) << "white " << x << "," << y << " beside a hole";
        }
      }
    }
  }
}

}  // namespace
