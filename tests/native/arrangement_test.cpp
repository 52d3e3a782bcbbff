#include <gtest/gtest.h>

#include <algorithm>
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
  } cases[] = {{{100, 100}, {32, 32}, {16, 8}},
               {{199, 50}, {5, 10}, {2, 2}},
               {{200, 50}, {32, 14}, {0, 4}},
               {{100, 82}, {15, 11}, {8, 3}}};  // Round(7.5) = 8, Round(2.75) = 3
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

// Odd sizes, where halving rounds: c = Round(t / 2) to the even integer, then W div 2 and H div 2
// truncate. Each case gives the first stamp of the first grid, the first stamp of its second row
// and of the second grid, the last stamp and how many there are.
TEST(Arrangement, OddSizesRoundTheCentreAndTruncateTheHalfCursor) {
  const struct {
    const char* name;
    Size picture, cursor;
    ArrangementOptions options;
    Point first, secondRow, secondGrid, last;
    std::size_t count;
  } cases[] = {
      // t = 85, c = Round(42.5) = 42, k = Round(2.8) = 3, ox = |42 - 45| = 3;
      // t = 71, c = Round(35.5) = 36, k = Round(3.27) = 3, oy = 3. W div 2 = 7: rows 1, 3, …
      // start at -10; 8 rows of 7 and 8 cells.
      {"15 x 11 on 100 x 82, alternate rows", {100, 82}, {15, 11}, {true, false}, {-3, -3}, {-10, 8}, {}, {95, 74}, 60},
      // The same grid unshifted, then the second one: H div 2 = 5, oy = 8, 9 rows of 8 cells.
      {"15 x 11 on 100 x 82, double density", {100, 82}, {15, 11}, {true, true}, {-3, -3}, {-3, 8}, {-10, -8},
       {95, 80}, 56 + 72},
      // t = 67, c = Round(33.5) = 34, k = 1, ox = 2; t = 28, c = 14, k = Round(0.44) = 0, oy = 14.
      {"32 x 32 on 99 x 60", {99, 60}, {32, 32}, {false, false}, {-2, -14}, {-2, 18}, {}, {94, 50}, 12},
      // Smaller than the cursor: t = 53, c = Round(26.5) = 26, k = 1, ox = 6; t = 24, c = 12,
      // k = 1, oy = 3.
      {"32 x 15 on 21 x 9", {21, 9}, {32, 15}, {true, false}, {-6, -3}, {}, {}, {-6, -3}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Point> stamps = Arrange(c.picture, c.cursor, c.options).stamps;
    ASSERT_EQ(stamps.size(), c.count);
    EXPECT_EQ(stamps.front(), c.first);
    EXPECT_EQ(stamps.back(), c.last);
    if (c.count == 1) continue;
    // The first cell a row further down (the first grid's), and the first cell above the first
    // row's top (the second grid's).
    const auto rowBelow = std::find_if(stamps.begin(), stamps.end(), [&](Point p) { return p.y > c.first.y; });
    ASSERT_NE(rowBelow, stamps.end());
    EXPECT_EQ(*rowBelow, c.secondRow);
    const auto secondGrid = std::find_if(stamps.begin(), stamps.end(), [&](Point p) { return p.y < c.first.y; });
    if (c.options.doubleDensity) {
      ASSERT_NE(secondGrid, stamps.end());
      EXPECT_EQ(*secondGrid, c.secondGrid);
    } else {
      EXPECT_EQ(secondGrid, stamps.end());
    }
  }
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
