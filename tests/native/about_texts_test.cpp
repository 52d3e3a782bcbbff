#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/about_texts.h"

namespace {

TEST(AboutTexts, TheInstalledVersionReadsAsMajorDotMinorOrUnknown) {
  struct Case {
    std::optional<std::string> stored;
    const char* shown;
  };
  const Case cases[] = {
      {std::nullopt, "?.?"}, {"", "?.?"},      {"abc", "?.?"},  {"1.7", "?.?"},  {" 17", "?.?"},
      {"255", "?.?"},        {"-17", "?.?"},   {"99999999999", "?.?"},  {"0", "0.0"},
      {"17", "1.7"},         {"+17", "1.7"},   {"5", "0.5"},    {"10", "1.0"},   {"254", "25.4"},
      {"256", "25.6"},       {"2147483647", "214748364.7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored.value_or("<missing>"));
    EXPECT_EQ(InstalledVersionText(c.stored ? &*c.stored : nullptr), c.shown);
  }
}

TEST(AboutTexts, OnlyNamesShorterThanTwentyOneBytesGetThePrefix) {
  const std::string twenty(20, 'A');
  const std::string twentyOne(21, 'A');
  EXPECT_EQ(ProductNameLabel(twenty), "ProductName " + twenty);
  EXPECT_EQ(ProductNameLabel(twentyOne), twentyOne);
  EXPECT_EQ(ProductNameLabel(""), "ProductName ");
  // Bytes, not characters: ten two-byte characters are 20 bytes, and the program's own name is 25.
  EXPECT_EQ(ProductNameLabel("ピクトランピクトラン"), "ProductName ピクトランピクトラン");
  EXPECT_EQ(ProductNameLabel("PIKTORAN.EXE (ピクトラン)"), "PIKTORAN.EXE (ピクトラン)");
}

TEST(AboutTexts, CaptionPeriodAndQuestion) {
  EXPECT_EQ(AboutCaption("ピクトラン", "other"), "ピクトラン バージョン情報");
  EXPECT_EQ(AboutCaption("", "ピクトラン "), "ピクトラン  バージョン情報");
  EXPECT_EQ(PeriodLabel(MakingPeriod), std::string("Copyright ") + MakingPeriod);
  EXPECT_EQ(HomePageQuestion("https://a.example/"), "ホームページ\nhttps://a.example/\nへアクセスしますか？");
}

TEST(AboutTexts, TheContactMessageNamesEveryAddressAndTheJpegLibraryWhenKnown) {
  const std::string withLibrary = ContactMessage("libjpeg-turbo 9.9");
  for (const char* address : HomePageAddresses) EXPECT_NE(withLibrary.find(address), std::string::npos) << address;
  EXPECT_NE(withLibrary.find(MailAddress), std::string::npos);
  EXPECT_NE(withLibrary.find("\nJPEG：libjpeg-turbo 9.9"), std::string::npos);
  EXPECT_EQ(ContactMessage("").find("JPEG"), std::string::npos);
  EXPECT_EQ(JpegLibraryLine(""), "");
}

}  // namespace
