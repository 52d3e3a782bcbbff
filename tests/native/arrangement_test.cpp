#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "edit/arrangement.h"

namespace {

struct Outcome {
  std::vector<Point> stamps;
  std::vector<Point> samples;
};

Outcome Arrange(Size picture, Size cursor, ArrangementOptions options, const std::set<std::pair<int, int>>& black = {}) {
  Outcome run;
  ForEachArrangementCell(
      picture, cursor, options,
      [&](int x, int y) {
        EXPECT_TRUE(x >= 0 && x < picture.width && y >= 0 && y < picture.height) << x << "," << y;
        run.samples.push_back({x, y});
        return !black.contains({x, y});
      },
      [&](Point corner) { run.stamps.push_back(corner); });
  return run;
}

std::vector<Point> Cells(const std::vector<int>& ys, const std::vector<std::vector<int>>& rows) {
  std::vector<Point> cells;
  for (std::size_t r = 0; r < ys.size(); ++r) {
    for (const int x : rows[r]) cells.push_back({x, ys[r]});
  }
  return cells;
}

TEST(ArrangementMaskShift, AQuarterCursorUpAndHalfACursorLeftOnNarrowPictures) {
  const struct {
    Size picture, cursor;
    Point shift;
  } cases[] = {{{100, 100}, {32, 32}, {16, 8}}, {{199, 50}, {5, 10}, {2, 2}}, {{200, 50}, {32, 14}, {0, 4}}};
  for (const auto& c : cases) EXPECT_EQ(ArrangementMaskShift(c.picture, c.cursor), c.shift) << c.picture.width;
}

// 100 × 100 with 32 × 32: t = 68, c = 34, k = 1, ox = oy = 2.
TEST(Arrangement, TheGridIsCentredAndEveryOtherRowShiftsHalfACursor) {
  const std::vector<int> ys{-2, 30, 62, 94};
  const std::vector<int> even{-2, 30, 62, 94}, odd{-18, 14, 46, 78};
  EXPECT_EQ(Arrange({100, 100}, {32, 32}, {true, false}).stamps, Cells(ys, {even, odd, even, odd}));
  EXPECT_EQ(Arrange({100, 100}, {32, 32}, {false, false}).stamps, Cells(ys, {even, even, even, even}));
}

TEST(Arrangement, DoubleDensityAddsAGridHalfACursorLeftAndUpAndIgnoresAlternateRows) {
  const std::vector<int> first{-2, 30, 62, 94}, second{-18, 14, 46, 78};
  auto expected = Cells(first, {first, first, first, first});
  const auto more = Cells(second, {second, second, second, second});
  expected.insert(expected.end(), more.begin(), more.end());
  EXPECT_EQ(Arrange({100, 100}, {32, 32}, {true, true}).stamps, expected);
  EXPECT_EQ(Arrange({100, 100}, {32, 32}, {false, true}).stamps, expected);
}

// 60 × 60 with 32 × 32: ox = oy = 14; the third row and column lie beyond the picture and
// sample its last row and column.
TEST(Arrangement, CellsBeyondThePictureSampleItsLastRowAndColumn) {
  const Outcome run = Arrange({60, 60}, {32, 32}, {false, false});
  EXPECT_EQ(run.samples, Cells({0, 32, 59}, {{0, 32, 59}, {0, 32, 59}, {0, 32, 59}}));
  EXPECT_EQ(run.stamps, Cells({-14, 18, 50}, {{-14, 18, 50}, {-14, 18, 50}, {-14, 18, 50}}));
}

TEST(Arrangement, ABlackSampleLeavesItsCellFree) {
  const Outcome run = Arrange({60, 60}, {32, 32}, {false, false}, {{59, 59}, {32, 0}});
  EXPECT_EQ(run.stamps, Cells({-14, 18, 50}, {{-14, 50}, {-14, 18, 50}, {-14, 18}}));
}

// t = 20 − 32 < 0 gives t = 52, c = 26, k = 1, ox = |26 − 32| = 6: one cursor centred.
TEST(Arrangement, APictureSmallerThanTheCursorGetsOneCentredCell) {
  EXPECT_EQ(Arrange({20, 20}, {32, 32}, {true, false}).stamps, (std::vector<Point>{{-6, -6}}));
}

TEST(Arrangement, AnEmptyCursorOrPictureHasNoCells) {
  const Size sizes[][2] = {{{100, 100}, {0, 32}}, {{100, 100}, {32, 0}}, {{0, 100}, {32, 32}}, {{100, 0}, {32, 32}}};
  for (const auto& s : sizes) {
    const Outcome run = Arrange(s[0], s[1], {true, true});
    EXPECT_TRUE(run.stamps.empty());
    EXPECT_TRUE(run.samples.empty());
  }
}

}  // namespace
