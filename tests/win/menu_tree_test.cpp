#include <gtest/gtest.h>

#include <set>

#include "workspace/main_menu.h"

namespace {

// The captions the system menu really holds, depth-first, as "depth caption" lines.
void Walk(HMENU menu, int depth, std::vector<std::string>& lines) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    char caption[256] = {};
    GetMenuStringA(menu, i, caption, sizeof caption, MF_BYPOSITION);
    MENUITEMINFOA info{sizeof info};
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    const bool separator = info.fType & MFT_SEPARATOR;
    lines.push_back(std::to_string(depth) + " " + (separator ? "-" : caption));
    if (HMENU sub = GetSubMenu(menu, i)) Walk(sub, depth + 1, lines);
  }
}

TEST(MainMenu, BuiltAsTheTableSaysWithHiddenEntriesLeftOut) {
  const MenuTree menu(MainMenuTable());
  std::set<std::string> names;
  std::vector<std::string> expected;
  for (const MenuEntrySpec& entry : MainMenuTable()) {
    if (entry.name) {
      EXPECT_TRUE(names.insert(entry.name).second) << "twice: " << entry.name;
    }
    if (!entry.hidden) expected.push_back(std::to_string(entry.depth) + " " + entry.caption);
  }
  std::vector<std::string> shown;
  Walk(menu.Root(), 0, shown);
  ASSERT_EQ(shown.size(), expected.size());
  for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], expected[i]) << "entry " << i;
  EXPECT_FALSE(menu.Visible("MHELP_HELP"));
  for (const char* const* table : {CaptureTypeEntries, DelayEntries, GouseiShapeEntries, NaraberuShapeEntries,
                                   ClearColourEntries, SizeStepEntries, StartupMenus}) {
    EXPECT_TRUE(names.count(table[0])) << table[0];
  }
}

TEST(MainMenu, HiddenEntriesComeBackInPlaceWithTheirState) {
  MenuTree menu(MainMenuTable());
  HMENU options = GetSubMenu(menu.Root(), 4);
  const int count = GetMenuItemCount(options);
  menu.SetChecked("MICON_SET", true);
  menu.SetVisible("MICON_SET", false);
  menu.SetVisible("MDESK_DEL", false);
  EXPECT_EQ(GetMenuItemCount(options), count - 2);
  menu.SetEnabled("MDESK_DEL", false);  // while hidden
  menu.SetVisible("MDESK_DEL", true);
  menu.SetVisible("MICON_SET", true);
  std::vector<std::string> shown;
  Walk(options, 1, shown);
  std::vector<std::string> expected;
  bool inOptions = false;
  for (const MenuEntrySpec& entry : MainMenuTable()) {
    if (entry.depth == 0) inOptions = std::string(entry.name) == "MOption0";
    else if (inOptions) expected.push_back(std::to_string(entry.depth) + " " + entry.caption);
  }
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(GetMenuState(options, 12, MF_BYPOSITION) & MF_CHECKED);       // MICON_SET
  EXPECT_TRUE(GetMenuState(options, count - 1, MF_BYPOSITION) & MF_GRAYED);  // MDESK_DEL
}

TEST(MainMenu, CommandsAndSubmenusAreFoundByName) {
  const MenuTree menu(MainMenuTable());
  HMENU bar = menu.Root();
  ASSERT_EQ(GetMenuItemCount(bar), 6);
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(menu.NameOfSubmenu(file), "MFile0");
  // The last entry of the file menu is 終了(&X).
  const UINT exitId = GetMenuItemID(file, GetMenuItemCount(file) - 1);
  EXPECT_EQ(menu.NameOfCommand(exitId), "MExit");
  EXPECT_EQ(menu.NameOfCommand(0), std::nullopt);
}

TEST(MainMenu, IndexTablesCheckExactlyOneEntry) {
  MenuTree menu(MainMenuTable());
  CheckIndexEntry(menu, DelayEntries, 3);
  CheckIndexEntry(menu, DelayEntries, 11);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(menu.Checked(DelayEntries[i]), i == 11) << i;
  menu.SetEnabled("MTm0", false);
  EXPECT_FALSE(menu.Enabled("MTm0"));
  menu.SetCaption("MJPG_COMP", "圧縮率 90％ (&C)");
  EXPECT_EQ(menu.Caption("MJPG_COMP"), "圧縮率 90％ (&C)");
}

}  // namespace
