// The option menu's shortcut entries seen from outside: the desktop shortcut copied from the
// program group's and removed again, the start-up entry made and removed through Program Manager
// (Wine's desktop answers it), or, without a start-up group, in the start-up folder.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "driver.h"
#include "shell_parts.h"
#include "support/screenshot.h"
#include "window_parts.h"

namespace e2e {
namespace {

constexpr const char* Group = "PIKTO E2E";
constexpr const char* DesktopSet = "アイコンを、デスクトップにも、登録する (&D)";
constexpr const char* DesktopDel = "アイコンを、デスクトップから、削除する (&D)";
constexpr const char* StartupSet = "アイコンを、スタートアップにも、登録する (&S)";
constexpr const char* StartupDel = "アイコンを、スタートアップから、削除する (&S)";

// The option menu's shortcut entries as it offers them when it opens.
std::vector<std::string> OfferedShortcutEntries(HWND main) {
  std::vector<std::string> offered;
  if (!OpenBarMenu(main, 'O')) return offered;
  for (const MenuLine& line : ReadMenuBar(main)) {
    for (const char* entry : {DesktopSet, DesktopDel, StartupSet, StartupDel}) {
      if (line.caption == entry) offered.push_back(entry);
    }
  }
  CloseMenus(main);
  return offered;
}

TEST(Shortcuts, DesktopAndStartUpEntriesComeAndGo) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("Group", Group);
  SetStartupGroup(nullptr);
  const std::string groupFolder = ShellFolder("Programs") + "\\" + Group;
  const std::string groupShortcut = groupFolder + "\\ピクトラン.lnk";
  const std::string desktopShortcut = ShellFolder("Desktop") + "\\ピクトラン.lnk";
  const std::string startupShortcut = ShellFolder("Startup") + "\\ピクトラン.lnk";
  CreateDirectoryA(groupFolder.c_str(), nullptr);
  std::ofstream(groupShortcut, std::ios::binary) << "the group's shortcut";
  DeleteFileA(desktopShortcut.c_str());
  DeleteFileA(startupShortcut.c_str());

  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(OfferedShortcutEntries(main), (std::vector<std::string>{StartupSet, DesktopSet}));

  // The desktop shortcut is a copy of the group's.
  ASSERT_TRUE(ChooseMenuEntry(main, "OD"));
  EXPECT_TRUE(WaitUntil([&] { return FileText(desktopShortcut) == "the group's shortcut"; }))
      << desktopShortcut << " box: " << (FindMessageBox(process, 0) ? MessageBoxText(FindMessageBox(process, 0)) : "none");
  EXPECT_EQ(OfferedShortcutEntries(main), (std::vector<std::string>{StartupSet, DesktopDel}));
  ASSERT_TRUE(ChooseMenuEntry(main, "OD"));
  EXPECT_TRUE(WaitUntil([&] { return !FileExists(desktopShortcut); }));

  // Without a start-up group (current profiles have none) the shortcut goes into the start-up
  // folder itself, through the shell, and leaves it again.
  ASSERT_TRUE(ChooseMenuEntry(main, "OS"));
  EXPECT_TRUE(WaitUntil([&] { return FileText(startupShortcut).starts_with("L"); })) << startupShortcut;  // a shell link
  EXPECT_EQ(FindMessageBox(process, 0), nullptr);
  EXPECT_EQ(OfferedShortcutEntries(main), (std::vector<std::string>{StartupDel, DesktopSet}));
  ASSERT_TRUE(ChooseMenuEntry(main, "OS"));
  EXPECT_TRUE(WaitUntil([&] { return !FileExists(startupShortcut); }));

  // Program Manager makes and removes the start-up entry.
  SetStartupGroup("StartUp");
  ASSERT_TRUE(ChooseMenuEntry(main, "OS"));
  EXPECT_TRUE(WaitUntil([&] { return FileExists(startupShortcut); }, 20000)) << startupShortcut;
  EXPECT_TRUE(CloseFolderWindow("StartUp"));
  EXPECT_EQ(FindMessageBox(process, 0), nullptr);
  Screenshot("startup-entry-registered");

  EXPECT_EQ(OfferedShortcutEntries(main), (std::vector<std::string>{StartupDel, DesktopSet}));
  ASSERT_TRUE(ChooseMenuEntry(main, "OS"));
  EXPECT_TRUE(WaitUntil([&] { return !FileExists(startupShortcut); }, 20000));
  EXPECT_TRUE(CloseFolderWindow("StartUp"));
  EXPECT_EQ(FindMessageBox(process, 0), nullptr);

  CloseAndWait(process, main);
  SetStartupGroup(nullptr);
  DeleteFileA(groupShortcut.c_str());
  RemoveDirectoryA(groupFolder.c_str());
}

}  // namespace
}  // namespace e2e
