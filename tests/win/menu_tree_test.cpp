#include <gtest/gtest.h>

#include <set>

#include "app/main_menu.h"

namespace {

TEST(MainMenu, EveryComponentNameIsUniqueAndReachable) {
  const MenuTree menu(MainMenuTable());
  std::set<std::string> names;
  for (const MenuEntrySpec& entry : MainMenuTable()) {
    if (!entry.name) continue;
    EXPECT_TRUE(names.insert(entry.name).second) << "twice: " << entry.name;
    EXPECT_EQ(menu.Caption(entry.name), entry.caption) << entry.name;
  }
  for (const char* const* table : {CaptureTypeEntries, DelayEntries, GouseiShapeEntries, NaraberuShapeEntries,
                                   ClearColourEntries, SizeStepEntries, StartupMenus}) {
    EXPECT_TRUE(names.count(table[0])) << table[0];
  }
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
  const MenuTree menu(MainMenuTable());
  CheckIndexEntry(menu, DelayEntries, 3);
  CheckIndexEntry(menu, DelayEntries, 11);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(menu.Checked(DelayEntries[i]), i == 11) << i;
  menu.SetEnabled("MTm0", false);
  EXPECT_FALSE(menu.Enabled("MTm0"));
  menu.SetCaption("MJPG_COMP", "圧縮率 90％ (&C)");
  EXPECT_EQ(menu.Caption("MJPG_COMP"), "圧縮率 90％ (&C)");
}

}  // namespace
