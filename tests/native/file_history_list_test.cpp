#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/list_file.h"
#include "output/file_history_list.h"

namespace {

using Names = std::vector<std::string>;

TEST(FileHistoryList, AMenuLoadMovesItsNameToTheTopIgnoringLetterCase) {
  FileHistoryList list({"C:\\B.BMP", "C:\\C.JPG", "C:\\A\\X.BMP", "C:\\D.BMP"});
  list.MoveToTop("C:\\A\\x.bmp");
  EXPECT_EQ(list.Names(), (Names{"C:\\A\\x.bmp", "C:\\B.BMP", "C:\\C.JPG", "C:\\D.BMP"}));
  EXPECT_EQ(list.CountText(), "4ｺ");
  // "ｱ" and "ﾁ"-like trail bytes look like letters: 0x83 0x61 and 0x83 0x41 are different characters.
  list.MoveToTop("C:\\\x83\x61.BMP");
  list.MoveToTop("C:\\\x83\x41.BMP");
  EXPECT_EQ(list.Count(), 6u);
  FileHistoryList empty;
  empty.MoveToTop("C:\\NEW.BMP");
  EXPECT_EQ(empty.Names(), Names{"C:\\NEW.BMP"});
}

TEST(FileHistoryList, HandedFilesAreAppendedDuplicatesToo) {
  FileHistoryList list({"C:\\A.BMP"});
  EXPECT_EQ(list.Append({"C:\\A.BMP", "C:\\B.BMP"}), 1u);
  EXPECT_EQ(list.Names(), (Names{"C:\\A.BMP", "C:\\A.BMP", "C:\\B.BMP"}));
}

TEST(FileHistoryList, DeletingSelectsTheEntryNowAtTheLowestDeletedIndex) {
  const Names five{"0", "1", "2", "3", "4"};
  struct Case {
    std::vector<std::size_t> selected;
    Names left;
    std::optional<std::size_t> selection;
  };
  const Case cases[] = {
      {{3, 1}, {"0", "2", "4"}, 1},
      {{3, 4}, {"0", "1", "2"}, std::nullopt},  // nothing left at index 3
      {{0, 1, 2, 3, 4}, {}, std::nullopt},
      {{2, 2, 99}, {"0", "1", "3", "4"}, 2},     // repeats and outsiders are ignored
  };
  for (const Case& c : cases) {
    FileHistoryList list(five);
    EXPECT_EQ(list.Delete(c.selected), c.selection);
    EXPECT_EQ(list.Names(), c.left);
  }
}

TEST(FileHistoryList, TheListFileIsReadWholeAndWrittenWithCrLf) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "C:\\P\\" + std::to_string(i) + ".BMP\r\n";
  const Names names = ParseListFile(text + "\r\n\nC:\\LAST.BMP");
  ASSERT_EQ(names.size(), 501u);
  EXPECT_EQ(names.back(), "C:\\LAST.BMP");
  EXPECT_EQ(FormatListFile(names), text + "C:\\LAST.BMP\r\n");
  EXPECT_EQ(FileHistoryList(ParseListFile("")).CountText(), "0ｺ");
}

}  // namespace
