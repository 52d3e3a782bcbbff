#include <gtest/gtest.h>

#include <limits>

#include "edit/composition_corner.h"

namespace {

struct CornerCase {
  const char* name;
  Size working;
  Size second;
  Point correction;
  Point corner;
};

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

const CornerCase Cases[] = {
    {"CentredWithoutCorrection", {640, 480}, {200, 100}, {0, 0}, {220, 190}},
    {"CorrectionMovesTheSecondPicture", {640, 480}, {200, 100}, {-30, 15}, {190, 205}},
    {"LargerSecondPictureLiesLeftAndAbove", {100, 80}, {301, 181}, {0, 0}, {-100, -50}},
    {"OddDifferencesTruncateTowardZero", {101, 11}, {100, 14}, {0, 0}, {0, -1}},
    {"FarCorrectionsStopAtTheEndsOfInt", {640, 480}, {200, 1000}, {IntMax, IntMin}, {IntMax, IntMin}},
};

TEST(SecondPictureCorner, EveryCase) {
  for (const CornerCase& c : Cases) {
    EXPECT_EQ(SecondPictureCorner(c.working, c.second, c.correction), c.corner) << c.name;
  }
}

}  // namespace
