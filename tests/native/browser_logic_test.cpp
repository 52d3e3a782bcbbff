#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "browser/browser_texts.h"
#include "browser/file_choice.h"
#include "browser/file_filter.h"
#include "browser/file_sort.h"
#include "browser/file_texts.h"
#include "browser/name_parts.h"

namespace {

using Entries = std::vector<FilterEntry>;
using Texts = std::vector<std::string>;

// ---- the filter list ----

struct FilterCase {
  const char* name;
  const char* filter;
  Entries entries;
};

class BrowserFilter : public testing::TestWithParam<FilterCase> {};

TEST_P(BrowserFilter, GivesTheEntriesWithAllFilesOnce) { EXPECT_EQ(ParseFilter(GetParam().filter), GetParam().entries); }

const FilterEntry AllFiles{"ALL files (*.*)", "*.*"};

INSTANTIATE_TEST_SUITE_P(
    Cases, BrowserFilter,
    testing::Values(
        FilterCase{"EmptyIsAllFiles", "", {AllFiles}},
        FilterCase{"TheInstallersFilter", "ALL files|*.*", {AllFiles}},
        FilterCase{"OneDescriptionTwoPatternsGetsAllFilesAppended",
                   "Pictures|*.bmp;*.jpg",
                   {{"Pictures (*.bmp;*.jpg)", "*.bmp;*.jpg"}, AllFiles}},
        FilterCase{"AnOwnAllEntryIsKept",
                   "Everything|*.*|Bitmaps|*.bmp",
                   {{"Everything (*.*)", "*.*"}, {"Bitmaps (*.bmp)", "*.bmp"}}},
        FilterCase{"OnlyExactlyStarDotStarCounts",
                   "Some|*.*;*.bmp",
                   {{"Some (*.*;*.bmp)", "*.*;*.bmp"}, AllFiles}},
        FilterCase{"PairWithoutPatternsIsLeftOut", "Empty||Bitmaps|*.bmp", {{"Bitmaps (*.bmp)", "*.bmp"}, AllFiles}},
        FilterCase{"LastDescriptionWithoutPatternsEndsTheList", "Bitmaps|*.bmp|Dangling",
                   {{"Bitmaps (*.bmp)", "*.bmp"}, AllFiles}},
        FilterCase{"OnlySeparators", "|||", {AllFiles}},
        // ポ and 榎 end in the byte of "|": no cut there.
        FilterCase{"SecondByteOfABarIsNoCut", "ポ榎|*.ポ", {{"ポ榎 (*.ポ)", "*.ポ"}, AllFiles}}),
    [](const testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

TEST(BrowserPatterns, SortedWithoutEmptyPiecesAndCaseTwins) {
  EXPECT_EQ(SplitPatterns("*.jpg;;*.bmp;*.JPG;*.bmp;"), (Texts{"*.bmp", "*.jpg"}));
  EXPECT_EQ(SplitPatterns("*.*"), Texts{"*.*"});
  EXPECT_EQ(SplitPatterns(";"), Texts{});
}

// ---- the file list's texts ----

TEST(BrowserFileTexts, SizeHasSeparatorsAndEightPlaces) {
  const std::vector<std::pair<std::uint64_t, std::string>> cases{
      {0, "       0"},     {9, "       9"},         {999, "     999"},     {1000, "   1,000"},
      {123456, " 123,456"}, {1234567, "1,234,567"}, {10000000, "10,000,000"},
      {18446744073709551615ULL, "18,446,744,073,709,551,615"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(SizeText(bytes), text) << bytes;
}

TEST(BrowserFileTexts, TypeIsTheLowerCaseExtensionWithoutItsDot) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"PICTURE.BMP", "bmp"}, {"a.tar.GZ", "gz"}, {"README", ""}, {"dot.", ""}, {".profile", "profile"},
      {"表.JPG", "jpg"},      {"ソ", ""}};
  for (const auto& [name, type] : cases) EXPECT_EQ(TypeText(name), type) << name;
}

TEST(BrowserFileTexts, DateWithTwoDigitYearAndTheDaysShortName) {
  const DayNames japanese{"日", "月", "火", "水", "木", "金", "土"};
  EXPECT_EQ(DateText({2026, 12, 7, 16, 5, 9, 1}, japanese), "26/12/07 16:05:09 月");
  EXPECT_EQ(DateText({2000, 1, 1, 0, 0, 0, 6}, japanese), "00/01/01 00:00:00 土");
  EXPECT_EQ(DateText({1999, 12, 31, 23, 59, 59, 5}, japanese), "99/12/31 23:59:59 金");
  EXPECT_EQ(DateText({2026, 1, 1, 0, 0, 0, 9}, japanese), "26/01/01 00:00:00 ");  // no such day
}

TEST(BrowserFileTexts, AttributesInTheOrderReadOnlySystemHiddenArchive) {
  using namespace FileAttribute;
  EXPECT_EQ(AttributeText(0), "    ");
  EXPECT_EQ(AttributeText(ReadOnly | Hidden | System | Archive), "RSHA");
  EXPECT_EQ(AttributeText(Hidden), "  H ");
  EXPECT_EQ(AttributeText(System | Archive), " S A");
  EXPECT_EQ(AttributeText(0x10 | 0x80), "    ");  // folder and normal show nothing
}

// ---- sorting ----

TEST(BrowserSort, FirstClickOnNameDescendsOnOthersAscendsAndTheNextClickTurns) {
  SortFlags flags;
  EXPECT_TRUE(flags.Click(FileColumn::Name));
  EXPECT_FALSE(flags.Click(FileColumn::Name));
  for (FileColumn column : {FileColumn::Size, FileColumn::Type, FileColumn::Date, FileColumn::Attributes}) {
    EXPECT_FALSE(flags.Click(column));
    EXPECT_TRUE(flags.Click(column));
  }
  flags.Reset();  // a new fill
  EXPECT_TRUE(flags.Click(FileColumn::Name));
  EXPECT_FALSE(flags.Click(FileColumn::Size));
}

// Sorts size texts as the list does, with a byte comparison standing in for the locale's.
Texts SortedSizes(Texts sizes, bool descending) {
  std::stable_sort(sizes.begin(), sizes.end(), [descending](const std::string& a, const std::string& b) {
    const auto [first, second] = ComparedTexts(FileColumn::Size, a, b);
    return Directed(first.compare(second), descending) < 0;
  });
  return sizes;
}

TEST(BrowserSort, SizesFollowTheNumberBothWays) {
  // Texts as the list holds them, and unpadded ones as a column text may be.
  const Texts sizes{SizeText(10), SizeText(9), SizeText(1000), "10", "9", SizeText(123456789)};
  EXPECT_EQ(SortedSizes(sizes, false),
            (Texts{SizeText(9), "9", SizeText(10), "10", SizeText(1000), SizeText(123456789)}));
  EXPECT_EQ(SortedSizes(sizes, true),
            (Texts{SizeText(123456789), SizeText(1000), SizeText(10), "10", SizeText(9), "9"}));
  // Other columns compare as they stand.
  EXPECT_EQ(ComparedTexts(FileColumn::Type, "bmp", "jpeg"), (std::pair<std::string, std::string>{"bmp", "jpeg"}));
}

// ---- the new-folder prompt and the header counts ----

TEST(BrowserTexts, NewFolderPromptShortensDeepFolders) {
  const std::string deep = "C:\\Documents and Settings\\User\\Pictures\\2026";  // 45 with its separator
  const std::vector<std::pair<std::string, std::string>> cases{
      {"C:\\", "C:\\     "},
      {"C:\\Data", "C:\\Data\\     "},
      {std::string(37, 'a'), std::string(37, 'a') + "\\     "},       // 38: shown whole
      {std::string(38, 'a'), "..." + std::string(35, 'a') + "\\     "},  // 39: shortened
      {deep, "...nts and Settings\\User\\Pictures\\2026\\     "},
      // The cut would fall between the bytes of 表: the tail starts after it.
      {"C:\\" + std::string(2, 'x') + "表" + std::string(34, 'y'), "..." + std::string(34, 'y') + "\\     "},
      {"C:\\" + std::string(3, 'x') + "表" + std::string(33, 'y'), "...表" + std::string(33, 'y') + "\\     "}};
  for (const auto& [folder, prompt] : cases) EXPECT_EQ(NewFolderPrompt(folder), prompt) << folder;
}

TEST(BrowserTexts, CountsWithTheCounterMark) {
  EXPECT_EQ(CountCaption(7, FolderCaption), "7ｺ　フォルダー");
  EXPECT_EQ(CountCaption(0, TreeCaption), "0ｺ　ツリーフォルダー");
  EXPECT_EQ(CountCaption(20000, FileCaption), "20000ｺ　ファイル名");
  EXPECT_EQ(WorkingCaption(FileCaption), "---ｺ　ファイル名");
}

// ---- 設定 in file mode ----

struct ChoiceCase {
  const char* name;
  const char* typed;
  const char* defaultExtension;
  FileChoice::Outcome outcome;
  const char* folder;
  const char* fileName;
};

class BrowserFileChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(BrowserFileChoice, GivesFolderAndName) {
  const ChoiceCase& c = GetParam();
  const FileChoice choice = ChooseFile("C:\\Data", c.typed, c.defaultExtension);
  EXPECT_EQ(choice.outcome, c.outcome);
  if (c.outcome != FileChoice::Outcome::Accepted) return;
  EXPECT_EQ(choice.folder, c.folder);
  EXPECT_EQ(choice.fileName, c.fileName);
  EXPECT_EQ(choice.message, "");
}

using O = FileChoice::Outcome;
INSTANTIATE_TEST_SUITE_P(
    Cases, BrowserFileChoice,
    testing::Values(
        ChoiceCase{"BareNameJoinsTheFolder", "pic.bmp", "", O::Accepted, "C:\\Data", "C:\\Data\\pic.bmp"},
        ChoiceCase{"FullPathGivesItsFolderAndTheBareName", "D:\\Out\\pic.bmp", "", O::Accepted, "D:\\Out\\", "pic.bmp"},
        ChoiceCase{"ShortestFullPath", "D:\\a", "", O::Accepted, "D:\\", "a"},
        ChoiceCase{"RelativePathWithAFolderPart", "x\\y.bmp", "", O::NeedsFullPath, "", ""},
        ChoiceCase{"DriveRelativeTooShort", "D:a", "", O::NeedsFullPath, "", ""},
        ChoiceCase{"EndsInASeparator", "C:\\Out\\", "", O::BadName, "", ""},
        ChoiceCase{"Empty", "", "", O::BadName, "", ""},
        ChoiceCase{"DefaultExtensionAppended", "pic", "bmp", O::Accepted, "C:\\Data", "C:\\Data\\pic.bmp"},
        ChoiceCase{"OwnExtensionInOtherCaseKept", "pic.BMP", "bmp", O::Accepted, "C:\\Data", "C:\\Data\\pic.BMP"},
        ChoiceCase{"OtherExtensionGetsTheDefaultToo", "pic.jpg", "bmp", O::Accepted, "C:\\Data", "C:\\Data\\pic.jpg.bmp"},
        ChoiceCase{"DefaultAppendedToAFullPathsName", "D:\\Out\\pic", "BMP", O::Accepted, "D:\\Out\\", "pic.BMP"},
        // ソ ends in the byte of a backslash: one name, no folder part.
        ChoiceCase{"SecondByteBackslashIsNoSeparator", "ソ表.bmp", "", O::Accepted, "C:\\Data", "C:\\Data\\ソ表.bmp"}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

TEST(BrowserFileChoiceTexts, RefusalsAndTheOverwriteQuestion) {
  EXPECT_EQ(ChooseFile("C:\\Data", "x\\y.bmp", "").message,
            "x\\y.bmp\ny.bmp\nファイル名が不正です・・・\nファイル名のみか、フルパス(ドライブ名付)で設定して下さい☆");
  EXPECT_EQ(ChooseFile("C:\\Data", "C:\\Out\\", "").message, "C:\\Out\\\n\nファイル名が不正です・・・");
  const FileChoice bare = ChooseFile("C:\\Data", "pic.bmp", "");
  EXPECT_EQ(FullFileName(bare), "C:\\Data\\pic.bmp");
  EXPECT_EQ(OverwriteQuestion(bare),
            "pic.bmp\nC:\\Data\\pic.bmp\n同名のファイルが既に存在します・・・\nファイルを書き換えますか?");
  EXPECT_EQ(FullFileName(ChooseFile("C:\\Data", "D:\\Out\\pic.bmp", "")), "D:\\Out\\pic.bmp");
}

TEST(BrowserNameParts, CutAtTheLastSeparatorOrColon) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases{
      {"C:\\A\\b.txt", "C:\\A\\", "b.txt"}, {"b.txt", "", "b.txt"}, {"C:b", "C:", "b"},
      {"C:\\表\\ソ", "C:\\表\\", "ソ"},     {"C:\\A\\", "C:\\A\\", ""}};
  for (const auto& [path, folder, name] : cases) {
    const NameParts parts = SplitFileName(path);
    EXPECT_EQ(parts.folder, folder) << path;
    EXPECT_EQ(parts.name, name) << path;
  }
  EXPECT_EQ(ExtensionOf("C:\\a.b\\c"), "");
}

}  // namespace
