#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "common/shift_jis.h"
#include "common/list_file.h"
#include "cursor/cursor_history.h"

namespace {

using Names = std::vector<std::string>;

Names Numbered(int count, const std::string& prefix = "C:\\c") {
  Names names;
  for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i) + ".cur");
  return names;
}

std::string Lines(const Names& names) {
  std::string text;
  for (const std::string& name : names) text += name + "\n";
  return text;
}

Names NamesOf(const CursorHistory& history) {
  Names names;
  for (const auto& item : history.Items()) names.push_back(item.name);
  return names;
}

// What the list must keep after every step: at most 20 items, no two names equal but for letter
// case, no slot held twice, and a free slot for the next thumbnail.
void ExpectSound(const CursorHistory& history) {
  EXPECT_LE(history.Items().size(), CursorHistory::MaxItems);
  std::set<std::string> folded;
  std::set<int> slots;
  for (const auto& item : history.Items()) {
    EXPECT_TRUE(folded.insert(AsciiUpperCase(item.name)).second) << item.name;
    if (item.thumbnail == CursorHistory::NoSlot) continue;
    EXPECT_TRUE(item.thumbnail >= 0 && item.thumbnail < CursorHistory::SlotCount);
    EXPECT_TRUE(slots.insert(item.thumbnail).second) << "slot " << item.thumbnail << " held twice";
  }
  EXPECT_NE(history.FirstFreeSlot(), CursorHistory::NoSlot);
}

TEST(CursorHistoryFile, ReadsEveryLineEndAndSkipsWhatCannotBeAName) {
  const std::string longest(MaxListNameBytes, 'x');
  struct Case {
    const char* what;
    std::string text;
    Names expected;
  };
  const Case cases[] = {
      {"CR LF", "A.CUR\r\nB.CUR\r\n", {"A.CUR", "B.CUR"}},
      {"LF, no final end", "A.CUR\nB.CUR", {"A.CUR", "B.CUR"}},
      {"CR", "A.CUR\rB.CUR\r", {"A.CUR", "B.CUR"}},
      {"LF CR is two ends", "A.CUR\n\rB.CUR", {"A.CUR", "B.CUR"}},
      {"empty lines", "\r\n\r\nA.CUR\n\n\r\rB.CUR\r\n\r\n", {"A.CUR", "B.CUR"}},
      {"empty file", "", {}},
      {"only line ends", "\r\n\n\r", {}},
      {"spaces are part of a name", " A B.CUR \r\n", {" A B.CUR "}},
      {"NUL inside a line", std::string("A\0.CUR\r\nB.CUR", 13), {"B.CUR"}},
      {"NUL alone", std::string("\0\r\nB.CUR", 8), {"B.CUR"}},
      {"over-long line", std::string(MaxListNameBytes + 1, 'x') + "\r\nB.CUR", {"B.CUR"}},
      {"longest line", longest + "\r\nB.CUR", {longest, "B.CUR"}},
      {"lead byte before the line end", "C:\\\x95\r\nB.CUR", {"B.CUR"}},
      {"lead byte at the end of the file", "B.CUR\r\nC:\\\x95", {"B.CUR"}},
      {"second byte 0x5C", "C:\\表\\ソ.CUR", {"C:\\表\\ソ.CUR"}},
      {"equal but for case", "C:\\A.CUR\r\nc:\\a.cur\r\nB.CUR", {"C:\\A.CUR", "B.CUR"}},
      // ア (83 41) and ヂ (83 61) differ only in a second byte that looks like a letter's case.
      {"second bytes do not fold", "\x83\x41.CUR\r\n\x83\x61.CUR", {"\x83\x41.CUR", "\x83\x61.CUR"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseCursorHistory(c.text), c.expected) << c.what;
}

TEST(CursorHistoryFile, KeepsTheFirstTwentyNames) {
  EXPECT_EQ(ParseCursorHistory(Lines(Numbered(25))), Numbered(20));
  // Repeated names do not use up places.
  Names repeated = Numbered(20);
  repeated.insert(repeated.begin() + 1, "C:\\C0.CUR");
  repeated.insert(repeated.begin() + 3, "c:\\c1.CUR");
  EXPECT_EQ(ParseCursorHistory(Lines(repeated)), Numbered(20));
  EXPECT_EQ(NamesOf(CursorHistory(Numbered(25))), Numbered(20));
}

TEST(CursorHistoryFile, WritesEachNameWithCrLfAndReadsItBack) {
  const Names names = {"C:\\WINDOWS\\Cursors\\arrow_m.cur", "D:\\表\\ソフト\\x.ani", "\\\\server\\share\\a b.ico"};
  const std::string text = FormatListFile(names);
  EXPECT_EQ(text, names[0] + "\r\n" + names[1] + "\r\n" + names[2] + "\r\n");
  EXPECT_EQ(ParseCursorHistory(text), names);
  EXPECT_EQ(FormatListFile({}), "");
}

TEST(CursorHistoryList, AddingPutsTheNameFirstAndAnEqualNameGoes) {
  CursorHistory history;
  EXPECT_TRUE(history.Add("C:\\A.CUR", history.FirstFreeSlot()).empty());
  EXPECT_TRUE(history.Add("C:\\B.CUR", history.FirstFreeSlot()).empty());
  EXPECT_TRUE(history.Add("C:\\C.CUR", history.FirstFreeSlot()).empty());
  EXPECT_EQ(NamesOf(history), (Names{"C:\\C.CUR", "C:\\B.CUR", "C:\\A.CUR"}));
  const int slotOfA = history.Items()[2].thumbnail;

  // The same file in other letter case moves to the top with the new name and thumbnail.
  const int slot = history.FirstFreeSlot();
  EXPECT_EQ(history.Add("c:\\a.cur", slot), (std::vector<int>{slotOfA}));
  EXPECT_EQ(NamesOf(history), (Names{"c:\\a.cur", "C:\\C.CUR", "C:\\B.CUR"}));
  EXPECT_EQ(history.Items()[0].thumbnail, slot);
  EXPECT_FALSE(history.SlotUsed(slotOfA));
  ExpectSound(history);
}

TEST(CursorHistoryList, TheTwentyFirstNameDropsTheOldest) {
  CursorHistory history;
  const Names names = Numbered(21);
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(history.Add(names[static_cast<std::size_t>(i)], history.FirstFreeSlot()).empty());
  const int oldestSlot = history.Items().back().thumbnail;
  EXPECT_EQ(history.Items().back().name, names[0]);

  // The 21st slot is there for the newcomer before the oldest gives its own back.
  const int slot = history.FirstFreeSlot();
  EXPECT_EQ(slot, 20);
  EXPECT_EQ(history.Add(names[20], slot), (std::vector<int>{oldestSlot}));
  EXPECT_EQ(history.Items().size(), 20u);
  EXPECT_EQ(history.Items().front().name, names[20]);
  EXPECT_EQ(history.Items().back().name, names[1]);
  ExpectSound(history);
}

TEST(CursorHistoryList, SlotsStayUniqueThroughLongUse) {
  CursorHistory history(Numbered(20, "C:\\old"));
  for (std::size_t i = 0; i < 20; i += 2) EXPECT_TRUE(history.SetThumbnail(i, static_cast<int>(i)));
  for (int step = 0; step < 300; ++step) {
    const std::string name = "C:\\N" + std::to_string(step * 7 % 37) + (step % 2 ? ".CUR" : ".cur");
    switch (step % 3) {
      case 0:
      case 1: history.Add(name, history.FirstFreeSlot()); break;
      case 2: history.MoveToTop(static_cast<std::size_t>(step) % history.Items().size(), history.FirstFreeSlot()); break;
    }
    ExpectSound(history);
  }
}

TEST(CursorHistoryList, MoveToTopKeepsTheOthersInOrderAndFreesTheOldThumbnail) {
  CursorHistory history;
  for (const std::string& name : Numbered(5)) history.Add(name, history.FirstFreeSlot());
  // Now c4, c3, c2, c1, c0.
  const int old = history.Items()[3].thumbnail;
  const int slot = history.FirstFreeSlot();
  EXPECT_EQ(history.MoveToTop(3, slot), old);
  EXPECT_EQ(NamesOf(history), (Names{"C:\\c1.cur", "C:\\c4.cur", "C:\\c3.cur", "C:\\c2.cur", "C:\\c0.cur"}));
  EXPECT_EQ(history.Items()[0].thumbnail, slot);
  // An item without a thumbnail frees none; one past the end changes nothing.
  CursorHistory loaded(Names{"A", "B"});
  EXPECT_EQ(loaded.MoveToTop(1, 0), CursorHistory::NoSlot);
  EXPECT_EQ(NamesOf(loaded), (Names{"B", "A"}));
  EXPECT_EQ(loaded.MoveToTop(2, 1), CursorHistory::NoSlot);
  EXPECT_EQ(NamesOf(loaded), (Names{"B", "A"}));
  ExpectSound(history);
}

TEST(CursorHistoryList, DeleteKeepsThePositionOrTakesTheLast) {
  struct Case {
    int count;
    std::size_t removed;
    int selection;
    Names left;
  };
  const Case cases[] = {
      {3, 1, 1, {"C:\\c2.cur", "C:\\c0.cur"}},  // the next item moves up into place
      {3, 0, 0, {"C:\\c1.cur", "C:\\c0.cur"}},
      {3, 2, 1, {"C:\\c2.cur", "C:\\c1.cur"}},  // the last: the new last is selected
      {1, 0, -1, {}},                           // the only one: the list is empty
      {2, 5, 1, {"C:\\c1.cur", "C:\\c0.cur"}},  // nothing there: nothing goes
  };
  for (const Case& c : cases) {
    CursorHistory history;
    for (const std::string& name : Numbered(c.count)) history.Add(name, history.FirstFreeSlot());
    const int slot = c.removed < history.Items().size() ? history.Items()[c.removed].thumbnail : CursorHistory::NoSlot;
    const CursorHistory::Removal removal = history.Remove(c.removed);
    EXPECT_EQ(removal.selection, c.selection) << c.count << " " << c.removed;
    EXPECT_EQ(removal.freedSlot, slot);
    EXPECT_EQ(NamesOf(history), c.left);
    if (slot != CursorHistory::NoSlot) {
      EXPECT_FALSE(history.SlotUsed(slot));
    }
  }
}

TEST(CursorHistoryList, ASlotIsNeverSharedOrOutOfRange) {
  CursorHistory history(Names{"A", "B"});
  EXPECT_TRUE(history.SetThumbnail(0, 4));
  EXPECT_FALSE(history.SetThumbnail(1, 4));   // taken
  EXPECT_FALSE(history.SetThumbnail(0, 5));   // the item has one
  EXPECT_FALSE(history.SetThumbnail(1, CursorHistory::SlotCount));
  EXPECT_FALSE(history.SetThumbnail(1, -2));
  EXPECT_FALSE(history.SetThumbnail(2, 5));   // no such item
  history.Add("C", 4);                        // a slot already held: the newcomer goes without
  EXPECT_EQ(history.Items()[0].thumbnail, CursorHistory::NoSlot);
  EXPECT_EQ(history.Items()[1].thumbnail, 4);
  ExpectSound(history);
}

}  // namespace
