#include <gtest/gtest.h>

#include "capture/value_entry.h"

namespace {

constexpr ValueEntryMode AllModes[] = {ValueEntryMode::TopLeftSize, ValueEntryMode::CentreCorrection,
                                       ValueEntryMode::JpegQuality};

std::string ErrorOf(const ValueEntryResult& result) {
  const auto* error = std::get_if<ValueEntryError>(&result);
  return error ? error->message : "(accepted)";
}

TEST(ValueEntry, ButtonCaptionAndStartingText) {
  const ValueEntryValues s{{50, 60}, {-3, 7}, 85};
  EXPECT_EQ(ValueEntryButtonCaption(ValueEntryMode::TopLeftSize), "左上固定サイズの設定");
  EXPECT_EQ(ValueEntryButtonCaption(ValueEntryMode::CentreCorrection), "合成画面中央補正設定");
  EXPECT_EQ(ValueEntryButtonCaption(ValueEntryMode::JpegQuality), "JPEG圧縮率(1-100) 初期値90 ");
  EXPECT_EQ(ValueEntryInitialText(ValueEntryMode::TopLeftSize, s), "50 60");
  EXPECT_EQ(ValueEntryInitialText(ValueEntryMode::CentreCorrection, s), "-3 7");
  EXPECT_EQ(ValueEntryInitialText(ValueEntryMode::JpegQuality, s), "85");
}

TEST(ValueEntry, SingleNumberIsTheJpegQualityInEveryMode) {
  const struct {
    const char* text;
    int quality;
  } cases[] = {{"50", 50}, {"  50", 50}, {"0", 1}, {"-7", 1}, {"101", 100}, {"100", 100}, {"1", 1}, {"+90", 90}};
  for (const ValueEntryMode mode : AllModes) {
    for (const auto& c : cases) {
      const ValueEntryResult result = ConfirmValueEntry(mode, c.text);
      const auto* entered = std::get_if<JpegQualityEntered>(&result);
      ASSERT_NE(entered, nullptr) << c.text;
      EXPECT_EQ(entered->quality, c.quality) << c.text;
    }
  }
  EXPECT_EQ(JpegQualitySetMessage(50), "圧縮率 50％に、設定しました。");
}

TEST(ValueEntry, PairsSetTheModesValue) {
  const auto size = ConfirmValueEntry(ValueEntryMode::TopLeftSize, "50 60");
  ASSERT_TRUE(std::holds_alternative<TopLeftSizeEntered>(size));
  EXPECT_EQ(std::get<TopLeftSizeEntered>(size).size, (Size{50, 60}));

  // Accepted as typed: the next capture reports the empty range.
  const auto zero = ConfirmValueEntry(ValueEntryMode::TopLeftSize, " 0 0");
  ASSERT_TRUE(std::holds_alternative<TopLeftSizeEntered>(zero));
  EXPECT_EQ(std::get<TopLeftSizeEntered>(zero).size, (Size{0, 0}));

  const auto centre = ConfirmValueEntry(ValueEntryMode::CentreCorrection, "-20 15");
  ASSERT_TRUE(std::holds_alternative<CentreCorrectionEntered>(centre));
  EXPECT_EQ(std::get<CentreCorrectionEntered>(centre).centre, (Point{-20, 15}));
}

TEST(ValueEntry, MalformedTextKeepsTheModeWithItsError) {
  const char* singleError = "エラー： サイズデータが不正です・・・J";
  const char* pairError = "エラー： サイズデータが不正です・・・2";
  const struct {
    ValueEntryMode mode;
    const char* text;
    const char* error;
  } cases[] = {
      {ValueEntryMode::TopLeftSize, "", singleError},
      {ValueEntryMode::TopLeftSize, "   ", singleError},
      {ValueEntryMode::CentreCorrection, "abc", singleError},
      {ValueEntryMode::JpegQuality, "9999999999", singleError},  // beyond 32 bits
      {ValueEntryMode::JpegQuality, "５０", singleError},        // full-width digits
      {ValueEntryMode::JpegQuality, "50 60", singleError},       // a pair in the quality mode
      {ValueEntryMode::JpegQuality, "50 ", singleError},
      {ValueEntryMode::TopLeftSize, "5 x", pairError},
      {ValueEntryMode::TopLeftSize, "1 2 3", pairError},
      {ValueEntryMode::TopLeftSize, "50 ", pairError},
      {ValueEntryMode::TopLeftSize, "50  60", pairError},  // only the first blank splits
      {ValueEntryMode::CentreCorrection, "x 5", pairError},
      {ValueEntryMode::CentreCorrection, "1 99999999999", pairError},
      {ValueEntryMode::CentreCorrection, "0x10 5", pairError},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(ConfirmValueEntry(c.mode, c.text)), c.error) << c.text;
}

}  // namespace
