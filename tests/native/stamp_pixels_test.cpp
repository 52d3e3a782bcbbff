#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "picture/stamp_pixels.h"

namespace {

constexpr Pixel Background = 0x00336699;

struct Stamp {
  std::vector<Pixel> target = std::vector<Pixel>(16, Background);  // 4 x 4
  std::vector<Pixel> mask;
  std::vector<Pixel> colour;
  Size cursor;

  void Put(Point at, bool orColour) {
    StampPixels({target.data(), {4, 4}}, {mask.data(), cursor}, {colour.data(), cursor}, at, orColour);
  }
  Pixel At(int x, int y) const { return target[static_cast<std::size_t>(y * 4 + x)]; }
};

TEST(StampPixels, MaskThenColourAsTheTwoRasterSteps) {
  // Opaque (mask 0), transparent (mask all ones), inverting (mask and colour all ones).
  Stamp s{.mask = {0, 0xFFFFFFFF, 0xFFFFFFFF, 0}, .colour = {0x00FF0000, 0, 0xFFFFFFFF, 0x0000FF00}, .cursor = {2, 2}};
  s.Put({1, 1}, false);
  EXPECT_EQ(s.At(1, 1), 0x00FF0000u);
  EXPECT_EQ(s.At(2, 1), Background);
  EXPECT_EQ(s.At(1, 2), ~Background);
  EXPECT_EQ(s.At(2, 2), 0x0000FF00u);
  EXPECT_EQ(s.At(0, 0), Background);

  // OR keeps a colour that the mask kept: a BMP cursor shows its own colours.
  Stamp b{.mask = {0x00123456}, .colour = {0x00123456}, .cursor = {1, 1}};
  b.Put({0, 0}, true);
  EXPECT_EQ(b.At(0, 0), (Background & 0x00123456u) | 0x00123456u);
}

TEST(StampPixels, ClippedAtEveryEdgeAndNeverBeyond) {
  const Stamp black{.mask = std::vector<Pixel>(9, 0), .colour = std::vector<Pixel>(9, 0), .cursor = {3, 3}};
  const struct {
    Point at;
    int changed;
  } cases[] = {{{-2, -2}, 1}, {{3, 3}, 1}, {{-1, 2}, 4}, {{1, 1}, 9}, {{4, 0}, 0}, {{0, -3}, 0},
               {{INT_MIN, INT_MIN}, 0}, {{INT_MAX, INT_MAX}, 0}, {{INT_MAX, 0}, 0}};
  for (const auto& c : cases) {
    Stamp s = black;
    s.Put(c.at, false);
    int changed = 0;
    for (Pixel p : s.target) changed += p != Background;
    EXPECT_EQ(changed, c.changed) << c.at.x << "," << c.at.y;
  }
}

TEST(StampPixels, ACursorIsAsLargeAsBothItsImages) {
  std::vector<Pixel> target(16, Background);
  const std::vector<Pixel> mask(2, 0);        // 2 x 1
  const std::vector<Pixel> colour(9, 0);      // 3 x 3
  StampPixels({target.data(), {4, 4}}, {mask.data(), {2, 1}}, {colour.data(), {3, 3}}, {0, 0}, false);
  int changed = 0;
  for (Pixel p : target) changed += p != Background;
  EXPECT_EQ(changed, 2);
}

}  // namespace

// A row of stamps drawn together gives what the stamps one by one give: overlapping corners,
// corners past every edge, rows that repeat, in the given order (XOR makes the order show).
TEST(StampPixels, ACornerListDrawsAsTheStampsOneByOne) {
  constexpr Size picture{13, 9};
  constexpr Size cursor{5, 4};
  std::vector<Pixel> mask(20), colour(20);
  for (std::size_t i = 0; i < 20; ++i) {
    mask[i] = i % 3 == 0 ? 0xFFFFFFFF : 0x00F0F0F0 + static_cast<Pixel>(i);
    colour[i] = 0x00010203 * static_cast<Pixel>(i + 1);
  }
  const std::vector<Point> corners{{-3, -2}, {1, -2}, {2, -2}, {10, -2}, {-1, 3}, {4, 3}, {4, 3},
                                   {11, 7},  {0, 7},  {-9, 0}, {13, 0},  {3, 9},  {5, 5}, {INT_MIN, 1}};
  for (const bool orColour : {false, true}) {
    std::vector<Pixel> together(13 * 9, Background), oneByOne(13 * 9, Background);
    StampPixels({together.data(), picture}, {mask.data(), cursor}, {colour.data(), cursor}, corners, orColour);
    for (const Point at : corners) {
      StampPixels({oneByOne.data(), picture}, {mask.data(), cursor}, {colour.data(), cursor}, at, orColour);
    }
    EXPECT_EQ(together, oneByOne) << (orColour ? "OR" : "XOR");
  }
}
