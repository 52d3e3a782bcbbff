#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "edit/arrangement_commands.h"
#include "fake_window.h"

namespace {

constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Black = MakePixel(0, 0, 0);

class ArrangementCommandsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(workspace_.picture.Working().Assign(PixelBuffer(100, 100, White)));
    ASSERT_TRUE(workspace_.picture.SetBaseFromWorking());
  }
  // A 32 × 32 cursor: mask and colour of one value each.
  void Cursor(Pixel mask, Pixel colour) {
    ASSERT_TRUE(workspace_.cursor.andMask.Assign(PixelBuffer(32, 32, mask)));
    ASSERT_TRUE(workspace_.cursor.xorColour.Assign(PixelBuffer(32, 32, colour)));
  }
  Pixel At(int x, int y) { return workspace_.picture.Working().Row(y)[x] & 0xFFFFFF; }
  int CountOf(Pixel colour) {
    int count = 0;
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 100; ++x) count += At(x, y) == colour;
    }
    return count;
  }

  FakeWindow host_;
  Workspace workspace_;
  ArrangementCommands arrangement_{workspace_, host_};
};

TEST_F(ArrangementCommandsTest, TheWholeShapeCoversThePictureAndTheBasePictureStays) {
  Cursor(Black, Black);
  arrangement_.P_ALLClick(0);
  EXPECT_EQ(CountOf(Black), 100 * 100);
  EXPECT_EQ(workspace_.picture.Base().Row(50)[50] & 0xFFFFFF, White);
}

TEST_F(ArrangementCommandsTest, AFigureKeepsTheMiddleFreeAndTheCornersCovered) {
  Cursor(Black, Black);
  for (const int shape : {1, 2, 3, 4, 5, 6, 7}) {
    SCOPED_TRACE(shape);
    workspace_.picture.Restore();
    arrangement_.P_ALLClick(shape);
    // Round figures keep the very middle free; with cells of 32 the others free cells beside it.
    if (shape == 1 || shape == 7) {
      EXPECT_EQ(At(50, 50), White);
    }
    for (const auto& [x, y] : {std::pair{0, 0}, {99, 0}, {0, 99}, {99, 99}}) EXPECT_EQ(At(x, y), Black) << x << "," << y;
    const int black = CountOf(Black);
    EXPECT_GT(black, 100 * 100 / 3);
    EXPECT_LT(black, 100 * 100);
  }
}

// A cursor that inverts what lies under it: without alternate rows the cells do not overlap, so
// one run turns the white picture black and a second one white again.
TEST_F(ArrangementCommandsTest, EveryRunStampsAgain) {
  Cursor(White, White);
  workspace_.settings.kougo = false;
  arrangement_.M_NARABELClick();
  EXPECT_EQ(CountOf(Black), 100 * 100);
  arrangement_.M_NARABELClick();
  EXPECT_EQ(CountOf(White), 100 * 100);
}

// With the second grid every pixel lies under one cursor of each grid: inverted twice.
TEST_F(ArrangementCommandsTest, DoubleDensityLaysASecondGridOverTheFirst) {
  Cursor(White, White);
  arrangement_.M_BAIMITUClick();
  EXPECT_TRUE(workspace_.settings.baimitu);
  EXPECT_EQ(CountOf(White), 100 * 100);
}

TEST_F(ArrangementCommandsTest, TheChecksFollowTheChoices) {
  Cursor(Black, Black);
  MenuTree& menu = host_.Menu();
  arrangement_.ShowSettings();
  EXPECT_TRUE(menu.Checked("P_ALL"));
  EXPECT_TRUE(menu.Checked("M_SLIP"));
  EXPECT_FALSE(menu.Checked("M_BAIMITU"));
  EXPECT_TRUE(menu.Checked("M_SIZE2"));

  arrangement_.P_ALLClick(7);
  EXPECT_EQ(workspace_.settings.naraberuShape, 7);
  EXPECT_TRUE(menu.Checked("P_HART"));
  EXPECT_FALSE(menu.Checked("P_ALL"));
  arrangement_.M_SLIPClick();
  EXPECT_FALSE(workspace_.settings.kougo);
  EXPECT_FALSE(menu.Checked("M_SLIP"));
  arrangement_.M_BAIMITUClick();
  EXPECT_TRUE(menu.Checked("M_BAIMITU"));

  // The size step only takes effect at the next run.
  workspace_.picture.Restore();
  arrangement_.M_SIZE0Click(4);
  EXPECT_EQ(workspace_.settings.sizeIndex, 4);
  EXPECT_TRUE(menu.Checked("M_SIZE4"));
  EXPECT_FALSE(menu.Checked("M_SIZE2"));
  EXPECT_EQ(CountOf(White), 100 * 100);
}

// A cursor that inverts only two marker pixels of its cell, (1, 1) and (18, 18), so the picture
// shows where every cell's corner went. The corners below are worked out by hand for the 100 × 100
// picture and the 32 × 32 cursor: the grid starts 2 left of and 2 above the picture, alternate rows
// 16 further left, the second grid of 倍密度 16 left of and 16 above the first.
class ArrangementPixelsTest : public ArrangementCommandsTest {
 protected:
  void MarkerCursor() {
    PixelBuffer colour(32, 32, Black);
    colour.At(1, 1) = colour.At(18, 18) = White;
    ASSERT_TRUE(workspace_.cursor.andMask.Assign(PixelBuffer(32, 32, White)));
    ASSERT_TRUE(workspace_.cursor.xorColour.Assign(colour));
  }
  using Corners = std::vector<std::pair<int, int>>;
  static Corners Grid(const std::vector<int>& xs, const std::vector<int>& ys) {
    Corners corners;
    for (const int y : ys) {
      for (const int x : xs) corners.emplace_back(x, y);
    }
    return corners;
  }
  void ExpectCells(const Corners& corners) {
    PixelBuffer expected(100, 100, White);
    for (const auto& [cx, cy] : corners) {
      for (const int m : {1, 18}) {
        if (cx + m >= 0 && cx + m < 100 && cy + m >= 0 && cy + m < 100) expected.At(cx + m, cy + m) ^= 0xFFFFFF;
      }
    }
    int wrong = 0;
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 100; ++x) {
        if (At(x, y) != expected.At(x, y) && wrong++ < 5) ADD_FAILURE() << "pixel " << x << "," << y;
      }
    }
    EXPECT_EQ(wrong, 0);
  }
  const std::vector<int> even_{-2, 30, 62, 94};
  const std::vector<int> odd_{-18, 14, 46, 78};
};

TEST_F(ArrangementPixelsTest, TheWholePictureWithAlternateRows) {
  MarkerCursor();
  arrangement_.P_ALLClick(0);
  Corners cells;
  for (const auto& [row, xs] : {std::pair{-2, even_}, {30, odd_}, {62, even_}, {94, odd_}}) {
    for (const int x : xs) cells.emplace_back(x, row);
  }
  ExpectCells(cells);
}

// The rectangle of size step 3 is inset by 12, shifted 16 left and 8 up: (−4, 4)–(72, 80). The
// cells sampled at x 0, 32, 64 in the rows sampled at y 32 and 64 fall inside and stay free.
TEST_F(ArrangementPixelsTest, AFigureFreesTheCellsSampledInsideIt) {
  MarkerCursor();
  arrangement_.P_ALLClick(4);
  ExpectCells({{-2, -2}, {30, -2}, {62, -2}, {94, -2}, {78, 30}, {94, 62}, {-18, 94}, {14, 94}, {46, 94}, {78, 94}});
}

TEST_F(ArrangementPixelsTest, DoubleDensityAddsTheSecondGridAndIgnoresAlternateRows) {
  MarkerCursor();
  arrangement_.M_BAIMITUClick();
  Corners cells = Grid(even_, even_);
  const Corners second = Grid(odd_, odd_);
  cells.insert(cells.end(), second.begin(), second.end());
  ExpectCells(cells);
}

TEST_F(ArrangementCommandsTest, TheEntryNeedsAPictureAndAnEmptyCursorChangesNothing) {
  arrangement_.M_NARABEL0Click();
  EXPECT_TRUE(host_.Menu().Enabled("M_NARABEL"));
  arrangement_.P_ALLClick(1);
  EXPECT_EQ(CountOf(White), 100 * 100);

  workspace_.picture.Working().Clear();
  arrangement_.M_NARABEL0Click();
  EXPECT_FALSE(host_.Menu().Enabled("M_NARABEL"));
  arrangement_.M_NARABELClick();
  EXPECT_TRUE(workspace_.picture.Working().Empty());
}

}  // namespace
