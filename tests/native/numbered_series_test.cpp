#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "workspace/numbered_series.h"

namespace {

std::optional<int> Next(const std::vector<std::string>& names, const std::string& stem = "PIKTO") {
  return NextSeriesNumber(names, stem);
}

TEST(NumberedSeries, NextNumberFollowsTheHighestOfTheSeries) {
  EXPECT_EQ(Next({}), 1);
  EXPECT_EQ(Next({"PIKTO0001.PNG", "PIKTO0002.PNG"}), 3);
  // A gap stays a gap: the new picture goes after the others, in the order they were taken.
  EXPECT_EQ(Next({"PIKTO0001.PNG", "PIKTO0005.PNG", "PIKTO0003.PNG"}), 6);
  EXPECT_EQ(Next({"PIKTO0002.PNG"}), 3);
  // Whatever the format and the letter case, a number of the series is taken.
  EXPECT_EQ(Next({"pikto0004.jpg", "Pikto0007.Bmp", "PIKTO0002.PNG"}), 8);
  EXPECT_EQ(Next({"PIKTO0006"}), 7);
  EXPECT_EQ(Next({"PIKTO0006.PNG.bak"}), 7);
  EXPECT_EQ(Next({"PIKTO0000.PNG"}), 1);
  // Other stems and other shapes of name are not the series.
  EXPECT_EQ(Next({"SHOT0009.PNG", "XPIKTO0009.PNG", "PIKTOX0009.PNG", "PIKTO12345.PNG", "PIKTO123.PNG",
                  "PIKTO0012a.PNG", "PIKTO 0012.PNG", "PIKT0012.PNG", "PIKTO-001.PNG"}),
            1);
  EXPECT_EQ(Next({"SHOT0009.PNG", "PIKTO0002.PNG"}, "SHOT"), 10);
  EXPECT_EQ(Next({"shot0009.png"}, "Shot"), 10);
  // Two-byte characters compare as they are; 表's second byte is the backslash's.
  EXPECT_EQ(Next({"表0002.PNG", "画面0005.PNG"}, "表"), 3);
}

TEST(NumberedSeries, TheLastNumberEndsTheSeries) {
  EXPECT_EQ(Next({"PIKTO9998.PNG"}), 9999);
  EXPECT_EQ(Next({"PIKTO9999.PNG"}), std::nullopt);
  EXPECT_EQ(Next({"PIKTO0001.PNG", "pikto9999.bmp"}), std::nullopt);
  // A 9999 of another stem leaves this one going.
  EXPECT_EQ(Next({"SHOT9999.PNG"}), 1);
}

TEST(NumberedSeries, FileNamesCarryFourDigitsAndTheFormatsExtension) {
  EXPECT_EQ(SeriesFileName("PIKTO", 1, SeriesFormat::Png), "PIKTO0001.PNG");
  EXPECT_EQ(SeriesFileName("PIKTO", 42, SeriesFormat::Bmp), "PIKTO0042.BMP");
  EXPECT_EQ(SeriesFileName("表", 9999, SeriesFormat::Jpeg), "表9999.JPG");
  // What is written is read back as the same number of the series.
  EXPECT_EQ(SeriesNumberOf(SeriesFileName("表", 321, SeriesFormat::Png), "表"), 321);
}

}  // namespace
