#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/install_rules.h"
#include "setup/setup_texts.h"
#include "setup/shortcut_paths.h"

namespace {

using Groups = std::vector<std::string>;

TEST(InstallRules, TheGroupBoxEndsWithOurGroups) {
  EXPECT_EQ(OrderInstallGroups({"StartUp", "accessories", "Games"}), (Groups{"accessories", "Games", "StartUp", "QUILO SOFT32"}));
  EXPECT_EQ(OrderInstallGroups({"QUILO SOFT32", "Zeta", "quilo soft", "Alpha"}),
            (Groups{"Alpha", "Zeta", "QUILO SOFT", "QUILO SOFT32"}));
  EXPECT_EQ(OrderInstallGroups({}), Groups{"QUILO SOFT32"});

  const Groups box{"Alpha", "Games", "QUILO SOFT", "QUILO SOFT32"};
  EXPECT_EQ(PreselectedGroup(box, "games"), 1u);
  EXPECT_EQ(PreselectedGroup(box, "Missing"), 3u);
  EXPECT_EQ(PreselectedGroup(box, ""), 3u);
}

TEST(InstallRules, DerivedTexts) {
  EXPECT_EQ(DefaultInstallFolder("D:\\WINNT\\", "PIKTORAN"), "D:\\QUILOP32\\PIKTORAN");
  EXPECT_EQ(VersionCaption("ピクトラン", 17), "ピクトラン V1．7");
  EXPECT_EQ(UninstallDisplayName("ピクトラン", 17), "QUILOSOFT ピクトラン V1.7");
  EXPECT_EQ(UninstallCommand("C:\\Program Files\\PIKTO\\PIKTORAN.EXE"),
            "\"C:\\Program Files\\PIKTO\\PIKTORAN.EXE\" /uninstall");
  EXPECT_EQ(InstallCompletedText("QUILO SOFT32"), "登録完了です。\n\n[ QUILO SOFT32 ]\nグループに登録しました☆☆\nお疲れ様☆☆");
}

TEST(InstallRules, AnEmptyShellFolderGivesNoPathRatherThanARelativeOne) {
  struct Case {
    std::string programs, desktop, startup, group;
    ShortcutPaths paths;
  };
  const Case cases[] = {
      {"C:\\Menu\\Programs", "C:\\Desk", "C:\\Menu\\Startup\\", "Tools (64-bit)",
       {"C:\\Menu\\Programs\\Tools (64-bit)\\ピクトラン.lnk", "C:\\Desk\\ピクトラン.lnk",
        "C:\\Menu\\Startup\\ピクトラン.lnk"}},
      {"C:\\", "D:\\", "", "G", {"C:\\G\\ピクトラン.lnk", "D:\\ピクトラン.lnk", ""}},
      {"", "", "", "Tools", {"", "", ""}},
  };
  for (const Case& c : cases) {
    const ShortcutPaths paths = BuildShortcutPaths(c.programs, c.desktop, c.startup, c.group, "ピクトラン");
    EXPECT_EQ(paths.group, c.paths.group) << c.programs;
    EXPECT_EQ(paths.desktop, c.paths.desktop) << c.desktop;
    EXPECT_EQ(paths.startup, c.paths.startup) << c.startup;
  }
  EXPECT_EQ(GroupFolder("C:\\Menu\\Programs", "Tools"), "C:\\Menu\\Programs\\Tools");
  EXPECT_EQ(GroupFolder("", "Tools"), "");
}

}  // namespace
