#include <gtest/gtest.h>

#include "output/print_fit.h"

namespace {

struct FitCase {
  const char* name;
  Size picture;
  Size page;
  Edges onePage;
};

const FitCase Cases[] = {
    {"SmallerWidePictureFillsThePageWidth", {100, 50}, {4800, 4800}, {0, 0, 4800, 2400}},
    {"SmallerTallPictureFillsThePageHeight", {50, 100}, {4800, 4800}, {0, 0, 2400, 4800}},
    {"SmallerSquarePictureGoesByTheWidth", {10, 10}, {4800, 6600}, {0, 0, 4800, 4800}},
    {"EnlargedTooTallThenHeldByTheHeight", {100, 90}, {4800, 1000}, {0, 0, 1111, 1000}},
    {"EnlargedTooWideThenHeldByTheWidth", {90, 100}, {100, 1000}, {0, 0, 100, 111}},
    {"TallerThanThePageShrinksToItsHeight", {640, 1200}, {4800, 1000}, {0, 0, 533, 1000}},
    {"WiderThanThePageShrinksToItsWidth", {9600, 100}, {4800, 4800}, {0, 0, 4800, 50}},
    {"LargerBothWaysShrinksByTheWidth", {9600, 9600}, {4800, 6600}, {0, 0, 4800, 4800}},
    {"LargerBothWaysShrinksByTheHeight", {8000, 16000}, {4800, 1000}, {0, 0, 500, 1000}},
    {"AsWideAsThePageIsPrintedUnscaled", {4800, 100}, {4800, 4800}, {0, 0, 4800, 100}},
    {"AsTallAsThePageIsPrintedUnscaled", {100, 4800}, {4800, 4800}, {0, 0, 100, 4800}},
    {"ThePageItselfIsPrintedUnscaled", {4800, 6600}, {4800, 6600}, {0, 0, 4800, 6600}},
    // Single precision, not the exact quotient: 4800 / 1.2f is 3999.9998, the pixel below, while
    // 6600 × (3 / 11.f) rounds up to 1800 where double precision stays at 1799.99999.
    {"SinglePrecisionLosesAPixelOfTheHeight", {6, 5}, {4800, 6600}, {0, 0, 4800, 3999}},
    {"SinglePrecisionKeepsAPixelOfTheWidth", {3, 11}, {4800, 6600}, {0, 0, 1800, 6600}},
};

TEST(PrintFit, OnePageStartsAtTheTopLeftWithTheFittedSize) {
  for (const FitCase& c : Cases) {
    const auto cells = PrintCells(c.picture, c.page, PrintLayout::OnePage);
    ASSERT_EQ(cells.size(), 1u) << c.name;
    EXPECT_EQ(cells[0], c.onePage) << c.name;
  }
}

TEST(PrintFit, SixteenCellsTileTheOnePageAreaRowByRow) {
  for (const FitCase& c : Cases) {
    const auto cells = PrintCells(c.picture, c.page, PrintLayout::Grid4x4);
    ASSERT_EQ(cells.size(), 16u) << c.name;
    for (int i = 0; i < 16; ++i) {
      const int row = i / 4;
      const int column = i % 4;
      const Edges& cell = cells[i];
      // Each cell starts where its left and upper neighbours end: no gaps, no overlaps.
      EXPECT_EQ(cell.left, column == 0 ? 0 : cells[i - 1].right) << c.name << " cell " << i;
      EXPECT_EQ(cell.top, row == 0 ? 0 : cells[i - 4].bottom) << c.name << " cell " << i;
      EXPECT_EQ(cell.top, cells[row * 4].top) << c.name << " cell " << i;
    }
    EXPECT_EQ(cells[15].right, c.onePage.right) << c.name;
    EXPECT_EQ(cells[15].bottom, c.onePage.bottom) << c.name;
  }
}

TEST(PrintFit, GridCellsAreAQuarterOfTheFittedSize) {
  const auto even = PrintCells({100, 50}, {4800, 4800}, PrintLayout::Grid4x4);
  EXPECT_EQ(even.front(), (Edges{0, 0, 1200, 600}));
  EXPECT_EQ(even[6], (Edges{2400, 600, 3600, 1200}));
  EXPECT_EQ(even.back(), (Edges{3600, 1800, 4800, 2400}));
  // 533.33 wide: every edge cut from its own product, so the widths differ by a pixel.
  const auto uneven = PrintCells({640, 1200}, {4800, 1000}, PrintLayout::Grid4x4);
  const int lefts[] = {0, 133, 266, 400};
  for (int column = 0; column < 4; ++column) EXPECT_EQ(uneven[column].left, lefts[column]) << column;
  EXPECT_EQ(uneven[3].right, 533);
  EXPECT_EQ(uneven[4].top, 250);
}

TEST(PrintFit, TheFittedSizeKeepsItsFraction) {
  const auto fitted = FitToPage({640, 1200}, {4800, 1000});
  ASSERT_TRUE(fitted);
  EXPECT_FLOAT_EQ(fitted->width, 1000.0f * (640.0f / 1200.0f));
  EXPECT_EQ(fitted->height, 1000.0f);
}

TEST(PrintFit, NothingToPrintWithoutAPictureOrAPage) {
  const struct {
    Size picture;
    Size page;
  } empty[] = {{{0, 0}, {4800, 4800}}, {{100, 0}, {4800, 4800}}, {{0, 100}, {4800, 4800}},
               {{100, 50}, {0, 4800}}, {{100, 50}, {4800, 0}},   {{100, 50}, {-1, -1}}};
  for (const auto& c : empty) {
    EXPECT_FALSE(FitToPage(c.picture, c.page));
    EXPECT_TRUE(PrintCells(c.picture, c.page, PrintLayout::OnePage).empty());
    EXPECT_TRUE(PrintCells(c.picture, c.page, PrintLayout::Grid4x4).empty());
  }
}

}  // namespace
