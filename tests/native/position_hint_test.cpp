#include <gtest/gtest.h>

#include "app/position_hint.h"

namespace {

TEST(PositionHint, FullWidthDigitsJoinedWithCommas) {
  EXPECT_EQ(PositionHint({10, 20, 445, 300}), "Ｆｏｒｍ位置サイズ １０,２０,４４５,３００");
  EXPECT_EQ(PositionHint({0, 0, 0, 0}), "Ｆｏｒｍ位置サイズ ０,０,０,０");
  EXPECT_EQ(PositionHint({1234567890, 9, 65535, 1}), "Ｆｏｒｍ位置サイズ １２３４５６７８９０,９,６５５３５,１");
}

TEST(PositionHint, MinusSignStaysHalfWidth) {
  // A window pushed past the left or top edge of the screen.
  EXPECT_EQ(PositionHint({-4, -30, 445, 300}), "Ｆｏｒｍ位置サイズ -４,-３０,４４５,３００");
  EXPECT_EQ(PositionHint({-2147483647 - 1, 2147483647, 1, 1}),
            "Ｆｏｒｍ位置サイズ -２１４７４８３６４８,２１４７４８３６４７,１,１");
}

TEST(PositionHint, ShiftJisBytes) {
  // What the hint window receives: "０" is 82 4F and "９" 82 58 in Shift-JIS, the blank and the
  // separators single bytes.
  const std::string hint = PositionHint({0, 9, 1, 1});
  const std::string tail = "\x20\x82\x4F,\x82\x58,\x82\x50,\x82\x50";
  ASSERT_GE(hint.size(), tail.size());
  EXPECT_EQ(hint.substr(hint.size() - tail.size()), tail);
}

}  // namespace
