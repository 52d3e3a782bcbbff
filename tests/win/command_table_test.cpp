#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "ui/command_table.h"
#include "workspace/main_menu.h"

namespace {

// Every feature binds its handlers when the main window is made: a name the menu table lacks
// (a typo, an entry renamed in the table) stops this test instead of silently doing nothing.
TEST(MainWindowCommands, EveryBoundNameIsAnEntryOfTheMenu) {
  EXPECT_NO_THROW(MainWindow window(ProgramContext{"C:\\", "C:\\windows\\", {}, ""}));
}

TEST(CommandTable, RefusesNamesTheMenuLacksAndNamesBoundTwice) {
  const MenuTree menu(MainMenuTable());
  CommandTable commands(menu);
  EXPECT_THROW(commands.Bind("MBMP_LOAD_TYPO", [] {}), std::logic_error);
  EXPECT_THROW(commands.Bind("MFile0", [] {}), std::logic_error) << "a submenu is no command";
  EXPECT_THROW(commands.BindOpening("MBMP_LOAD", [] {}), std::logic_error) << "a command opens nothing";

  std::vector<std::string> ran;
  commands.Bind("MBMP_LOAD", [&] { ran.push_back("load"); });
  commands.BindOpening("MFile0", [&] { ran.push_back("file menu"); });
  EXPECT_THROW(commands.Bind("MBMP_LOAD", [] {}), std::logic_error);

  EXPECT_TRUE(commands.Run(*menu.CommandId("MBMP_LOAD")));
  EXPECT_TRUE(commands.RunOpening(menu.Submenu("MFile0")));
  EXPECT_FALSE(commands.Run(*menu.CommandId("MBMP_SAVE")));
  EXPECT_EQ(ran, (std::vector<std::string>{"load", "file menu"}));
}

TEST(CommandTable, AGroupWithAnUnknownNameLeavesEveryEntryAsItWas) {
  MenuTree menu(MainMenuTable());
  const char* group[] = {"MFile0", "MPIKTO0", "MTm0_TYPO", "M_GAMEN0"};
  EXPECT_THROW(menu.SetEnabled(group, false), std::logic_error);
  EXPECT_TRUE(menu.Enabled("MFile0"));
  EXPECT_TRUE(menu.Enabled("MPIKTO0"));
}

}  // namespace
