// A Windows user's first day with the download: the zip unpacked into the Downloads folder (by the
// CTest fixture before this program starts), the program started from there installs itself into
// the proposed folder and group, and the installed copy opens its main window, captures the group's
// folder window and stamps its cursor into the picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/program_identity.h"
#include "driver.h"
#include "shell_parts.h"
#include "support/screenshot.h"
#include "window_parts.h"

namespace e2e {
namespace {

constexpr const char* UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PIKTORAN";
constexpr const char* ProposedFolder = "C:\\QUILOP32\\PIKTORAN";
constexpr const char* ProposedGroup = "QUILO SOFT32";

std::string DownloadFolder() {
  const char* profile = std::getenv("USERPROFILE");
  const std::string version = std::to_string(ProgramVersion / 10) + "." + std::to_string(ProgramVersion % 10);
  return std::string(profile ? profile : "") + "\\Downloads\\piktoran-" + version + "\\";
}

// The message box of this process once it shows this text; pressed with the button.
bool Answer(const Process& process, const std::string& text, const std::string& button) {
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindMessageBox(process, 0)) && MessageBoxText(box) == text; }, 20000)) {
    ADD_FAILURE() << "no box saying " << text << (box ? " but one saying " + MessageBoxText(box) : "");
    return false;
  }
  return PressButton(box, button) && WaitUntil([&] { return !IsWindow(box); });
}

// Leaves the prefix as the other suites expect it: no installed copy, no settings, no entry.
void RemoveInstallation() {
  for (const char* name :
       {"PIKTORAN.EXE", "PIKTORAN.HLP", "PIKTORAN.HTM", "PIKTORAN.TXT", "PIKTO_I0.LST", "PIKTO_HS.LST"}) {
    DeleteFileA((std::string(ProposedFolder) + "\\" + name).c_str());
  }
  RemoveDirectoryA(ProposedFolder);
  RemoveDirectoryA("C:\\QUILOP32");
  Program::ResetSettings();
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey);
  RegDeleteTreeA(HKEY_CURRENT_USER, UninstallKey);
  const std::string group = ShellFolder("Programs") + "\\" + ProposedGroup;
  DeleteFileA((group + "\\ピクトラン.lnk").c_str());
  RemoveDirectoryA(group.c_str());
}

TEST(Package, TheDownloadInstallsItselfAndTheInstalledCopyCaptures) {
  const std::string download = DownloadFolder();
  for (const char* name : {"PIKTORAN.EXE", "PIKTORAN.HLP", "PIKTORAN.HTM", "PIKTORAN.TXT"}) {
    ASSERT_TRUE(FileExists(download + name)) << download + name << " (the fixture unpacks the zip there)";
  }
  Program::ResetSettings();
  SetStartupGroup(nullptr);

  // The first start is the installer's; the user takes the proposed folder and group.
  const Process setup = StartCommandLine("\"" + download + "PIKTORAN.EXE\"", download);
  HWND window = setup.WaitForWindow(SetupClass);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return InstallerShown(window); }));
  EXPECT_EQ(WindowText(window), "ピクトラン V1．7 登録");
  EXPECT_EQ(WindowText(ChildOfClass(window, "Edit")), ProposedFolder);
  EXPECT_EQ(WindowText(ChildOfClass(window, "ComboBox")), ProposedGroup);
  Screenshot("download-installer");
  ASSERT_TRUE(PressButton(window, "設定"));
  ASSERT_TRUE(Answer(setup, std::string(ProposedFolder) + "\nフォルダーを作成します", "はい"));
  ASSERT_TRUE(Answer(setup, "登録完了です。\n\n[ " + std::string(ProposedGroup) + " ]\nグループに登録しました☆☆\nお疲れ様☆☆",
                     "ＯＫ"));
  EXPECT_EQ(setup.WaitForExit(), 0u);
  const std::string installed = std::string(ProposedFolder) + "\\";
  for (const char* name : {"PIKTORAN.EXE", "PIKTORAN.HLP", "PIKTORAN.HTM", "PIKTORAN.TXT"}) {
    EXPECT_EQ(FileText(installed + name), FileText(download + name)) << name;
  }

  // Program Manager shows the new group in a folder window; the installed copy started after it
  // captures that window, the one active before its own (the capture type it starts with).
  HWND folder = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (folder = FindWindowA("ExplorerWClass", ProposedGroup)) != nullptr; }));
  const Process program = StartCommandLine("\"" + installed + "PIKTORAN.EXE\"", installed);
  HWND main = StartedMainWindow(program);
  ASSERT_NE(main, nullptr);
  const RECT r = WindowRect(folder);
  const std::string taken = "取り込みサイズ　左上 " + std::to_string(r.left) + ", " + std::to_string(r.top) + " サイズ " +
                            std::to_string(r.right - r.left) + ", " + std::to_string(r.bottom - r.top);
  ASSERT_TRUE(PressButton(main, "取り込み(&G)"));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(SizeBar(main)) == taken && IsWindowVisible(main); }))
      << WindowText(SizeBar(main));
  // A click stamps the current cursor with its hot spot on the pixel: the square below it changes.
  HWND box = PictureBox(main);
  POINT corner{120, 60};
  ClientToScreen(box, &corner);
  const auto square = [&] {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) pixels.push_back(ScreenPixel(corner.x + x, corner.y + y));
    }
    return pixels;
  };
  const std::vector<COLORREF> before = square();
  PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 60));
  PostMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(120, 60));
  EXPECT_TRUE(WaitUntil([&] {
    const std::vector<COLORREF> after = square();
    int changed = 0;
    for (std::size_t i = 0; i < after.size(); ++i) changed += after[i] != before[i];
    return changed > 20;
  }));
  Screenshot("download-main-window");
  CloseAndWait(program, main);
  PostMessageA(folder, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(folder); }));
  RemoveInstallation();
}

}  // namespace
}  // namespace e2e
