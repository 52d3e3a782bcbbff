#include <gtest/gtest.h>

#include "cursor/cursor_pictures.h"
#include "picture/stamp_cursor.h"

namespace {

constexpr Pixel Black = MakePixel(0, 0, 0);
constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Grey = MakePixel(128, 128, 128);
constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr Pixel Green = MakePixel(0, 255, 0);
constexpr Pixel Blue = MakePixel(0, 0, 255);

Picture Filled(int width, int height, Pixel colour) {
  Picture picture;
  EXPECT_TRUE(picture.Assign(PixelBuffer(width, height, colour)));
  return picture;
}

TEST(StampCursor, PartsOutsideThePictureAreCutOff) {
  // A 32 x 32 cursor with hot spot (15, 15) clicked at (5, 5): only its lower-right 22 x 22 lands.
  Picture target = Filled(40, 40, Grey);
  const Picture mask = Filled(32, 32, Black);
  const Picture colour = Filled(32, 32, Red);
  StampCursor(target, mask, colour, {5 - 15, 5 - 15}, false);
  const PixelBuffer result = target.ToPixelBuffer();
  EXPECT_EQ(result.At(0, 0), Red);
  EXPECT_EQ(result.At(21, 21), Red);
  EXPECT_EQ(result.At(22, 21), Grey);
  EXPECT_EQ(result.At(21, 22), Grey);
  EXPECT_EQ(result.At(39, 39), Grey);
}

TEST(StampCursor, MaskAndColourStepsFollowTheCombineFlag) {
  struct Case {
    Pixel mask, colour, background;
    bool combineWithOr;
    Pixel expected;
  };
  const Case cases[] = {
      {Black, Red, Blue, false, Red},         // opaque: the cursor's own colour
      {Black, Red, Blue, true, Red},
      {White, Black, Blue, false, Blue},      // transparent: the picture shows through
      {White, Black, Blue, true, Blue},
      {White, Green, Green, false, Black},    // inverting pixels invert the picture
      {White, Green, Green, true, Green},     // a BMP cursor ORs its colours instead
      {White, White, Grey, false, MakePixel(127, 127, 127)},
  };
  for (const Case& c : cases) {
    Picture target = Filled(8, 8, c.background);
    StampCursor(target, Filled(4, 4, c.mask), Filled(4, 4, c.colour), {2, 2}, c.combineWithOr);
    const PixelBuffer result = target.ToPixelBuffer();
    EXPECT_EQ(result.At(3, 3), c.expected) << std::hex << c.mask << " " << c.colour << " " << c.combineWithOr;
    EXPECT_EQ(result.At(0, 0), c.background);
  }
}

TEST(StampCursor, AnEmptyCursorDrawsNothing) {
  Picture target = Filled(8, 8, Blue);
  StampCursor(target, Picture(), Picture(), {0, 0}, false);
  EXPECT_EQ(target.ToPixelBuffer().At(0, 0), Blue);
}

TEST(StampCursor, TheSystemArrowDrawnFromItsHandleStampsAsAnArrow) {
  CurrentCursor cursor;
  ASSERT_TRUE(DrawCursorHandle(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)), {32, 32}, cursor));
  EXPECT_EQ(cursor.andMask.GetSize(), cursor.xorColour.GetSize());
  // Drawn onto white, the arrow leaves some pixels changed and some untouched.
  Picture target = Filled(cursor.xorColour.Width(), cursor.xorColour.Height(), White);
  StampCursor(target, cursor.andMask, cursor.xorColour, {0, 0}, cursor.combineWithOr);
  const PixelBuffer result = target.ToPixelBuffer();
  int changed = 0;
  for (Pixel p : result.pixels) changed += p != White;
  EXPECT_GT(changed, 10);
  EXPECT_LT(changed, static_cast<int>(result.pixels.size()) / 2);
}

}  // namespace
