// The program's whole life seen from outside: started from a download folder it installs itself,
// the next start opens the main window, and the uninstall entry, run as Windows runs it, removes
// everything through the helper copy. Also the installation that stops at a missing file, the
// uninstall that keeps the user's files, and group names that Program Manager must get quoted or
// not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "driver.h"
#include "fast_timers.h"
#include "import_patch.h"
#include "layout_checks.h"
#include "no_program_manager.h"
#include "standard_user.h"
#include "shell_parts.h"
#include "support/screenshot.h"
#include "window_parts.h"

namespace e2e {
namespace {

constexpr const char* SettingsKey = "Software\\QUILO SOFT32\\PIKTORAN";
constexpr const char* MakerKey = "Software\\QUILO SOFT32";
constexpr const char* UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PIKTORAN";
constexpr const char* HandoverKey = ".Default\\Software\\Unin_QUILO SOFT32";
constexpr const char* Group = "PIKTO LIFE";
// Two levels that do not exist yet. No blank in it: Wine's Program Manager cuts AddItem's path
// at the first blank.
constexpr const char* InstallFolder = "C:\\ピクトE2E\\PIKTORAN";
constexpr const char* WorkFiles[] = {"PKT_M0$$.BMP", "PKT_M1$$.BMP", "PKT_M2$$.BMP", "PIKTO_I0.LST", "PIKTO_HS.LST"};

bool KeyExists(HKEY root, const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::string RegistryText(HKEY root, const char* path, const char* name) {
  char value[1024] = {};
  DWORD size = sizeof value;
  RegGetValueA(root, path, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

FILETIME WrittenAt(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// The message box of any process once it shows this text (the helper copy is started by the
// uninstall, not by the test).
HWND WaitForBoxSaying(const std::string& text, DWORD timeoutMs = 20000) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = nullptr;
        for (HWND box = FindWindowExA(nullptr, nullptr, MessageBoxClass, nullptr); box && !found;
             box = FindWindowExA(nullptr, box, MessageBoxClass, nullptr)) {
          if (ButtonsPainted(box) && MessageBoxText(box) == text) found = box;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

// Answers the box with this text; false when it did not come.
bool Answer(const std::string& text, const std::string& button, const char* screenshot = nullptr) {
  HWND box = WaitForBoxSaying(text);
  if (!box) return false;
  if (screenshot) Screenshot(screenshot);
  return PressButton(box, button) && WaitUntil([&] { return !IsWindow(box); });
}

// The process behind a window, for waiting on its end.
Process ProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return Process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id), id);
}

// The uninstall's question about the work files: its words as ever, then what goes, down to the
// user's work folder.
std::string WorkFilesQuestion() {
  return "アイコン／TXTﾌｧｲﾙの削除を終了しました。\n登録ｶｰｿﾙ、BMPﾒﾓﾘｰ1/2も削除して、よろしいですか？？？\n\n"
         "削除するもの：\n・登録ｶｰｿﾙ、ファイルヒストリー、BMPﾒﾓﾘｰ1/2\n"
         "・画像加工ソフトに渡した画像 PKT_PA*.BMP（画像加工ソフトでそこに保存した絵も）\n"
         "・作業フォルダーの中のファイルすべて（今の壁紙の画像は残します）\n　" +
         ShellFolder("Local AppData") + "\\PIKTORAN";
}

// The uninstall's last two questions answered yes, then its helper's completion message.
void UninstallToTheEnd(const Process& uninstall) {
  ASSERT_TRUE(Answer(WorkFilesQuestion(), "はい"));
  ASSERT_TRUE(Answer("当ソフトのレジストリー情報も削除してよろしいですか？？", "はい"));
  EXPECT_EQ(uninstall.WaitForExit(), 0u);
  HWND done = WaitForBoxSaying("削除が完了しました☆☆☆\nお疲れ様☆☆☆");
  ASSERT_NE(done, nullptr);
  const Process helper = ProcessOf(done);
  PressOk(done);
  EXPECT_EQ(helper.WaitForExit(), 0u);
}

void SetText(HWND control, const std::string& text) {
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The installer's controls, found by kind and creation order.
struct Installer {
  explicit Installer(HWND window)
      : window(window), folder(ChildOfClass(window, "Edit")), group(ChildOfClass(window, "ComboBox")) {}
  HWND window;
  HWND folder;  // Edit1
  HWND group;   // ComboBox1
  HWND CheckBox(const std::string& caption) const {
    for (HWND child : Descendants(window)) {
      if (ClassOf(child) == "Button" && WindowText(child) == caption) return child;
    }
    return nullptr;
  }
};

// Tab moves the focus on until it reaches the control; false when it never does. A Tab can pass
// the focus through a control on its way (a combo box hands it on to its edit box), so where it
// went is read only once the program has handled the key to its end. Every control it stops at
// is one the user sees.
bool TabTo(HWND window, HWND control) {
  for (int presses = 0; presses < 12; ++presses) {
    const HWND before = FocusedWindow(window);
    if (before == control) return true;
    PressKey(VK_TAB);
    // One Tab at a time: a second one sent while the first is still on its way would pass the control.
    if (!WaitUntil([&] { return FocusedWindow(window) != before; }) || !WaitForMessageLoop(window)) return false;
    const HWND reached = FocusedWindow(window);
    EXPECT_TRUE(InSight(reached)) << "Tab stops out of sight at " << ClassOf(reached) << " \"" << WindowText(reached)
                                  << "\"";
  }
  return FocusedWindow(window) == control;
}

// The pixels of the window's first label that show in this colour.
int LabelPixels(HWND window, COLORREF colour) { return PixelsOfColour(WindowRect(ChildOfClass(window, "Static")), colour); }

// The pixels of the window's client area in the maker's green.
int GreenPixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return PixelsOfColour(client, RGB(0, 128, 0));
}

HWND OpenInstaller(const Process& process) {
  HWND window = process.WaitForWindow(SetupClass);
  // The group list comes from Program Manager once the window shows.
  return window && WaitUntil([&] { return InstallerShown(window); }) ? window : nullptr;
}

TEST(Install, TheWholeLife) {
  const std::string target = std::string(InstallFolder) + "\\";
  const std::string programs = ShellFolder("Programs");
  const std::string groupShortcut = programs + "\\" + Group + "\\ピクトラン.lnk";
  const std::string startupShortcut = ShellFolder("Startup") + "\\ピクトラン.lnk";
  const std::string desktopShortcut = ShellFolder("Desktop") + "\\ピクトラン.lnk";
  SetStartupGroup("StartUp");
  Program download;
  Program::SetSetting("EXEPATH", InstallFolder);

  // The installer proposes the stored folder, and 初期値 returns to it.
  const Process setup = download.Start();
  HWND window = OpenInstaller(setup);
  ASSERT_NE(window, nullptr);
  const Installer installer(window);
  EXPECT_EQ(WindowText(installer.folder), InstallFolder);
  // 参照 opens the browser near the missing folder; its choice replaces the folder.
  ASSERT_TRUE(PressButton(window, "参照"));
  HWND browser = ShownWindow(setup, "TDIR2VIEWForm");
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(WindowText(browser), "登録先フォルダーの選択");
  // It shows the program's icon, which it takes from the installer window.
  EXPECT_TRUE(HasIcon(browser, ICON_BIG));
  ASSERT_TRUE(PressButton(browser, "設定"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(browser) && WindowText(installer.folder) == "C:\\"; }))
      << WindowText(installer.folder);
  ASSERT_TRUE(PressButton(window, "初期値"));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(installer.folder) == InstallFolder; }));
  EXPECT_EQ(WindowText(installer.group), "QUILO SOFT32");
  SetText(installer.group, Group);
  HWND startup = installer.CheckBox("スタートアップグループにも、アイコンを登録する。");
  PostMessageA(startup, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(startup, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  // Every text shows whole and no control lies over another.
  EXPECT_EQ(TextsThatDoNotFit(window), std::vector<std::string>{});
  EXPECT_EQ(OverlappingSiblings(window), std::vector<std::string>{});
  Screenshot("installer-window");

  // Both missing levels come from one question.
  ASSERT_TRUE(PressButton(window, "設定"));
  ASSERT_TRUE(Answer(std::string(InstallFolder) + "\nフォルダーを作成します", "はい", "installer-create-question"));
  ASSERT_TRUE(Answer("登録完了です。\n\n[ PIKTO LIFE ]\nグループに登録しました☆☆\nお疲れ様☆☆", "ＯＫ",
                     "installer-completed"));
  EXPECT_EQ(setup.WaitForExit(), 0u);
  EXPECT_TRUE(CloseFolderWindow(Group));
  EXPECT_TRUE(CloseFolderWindow("StartUp"));

  for (const char* name : {"PIKTORAN.EXE", "PIKTORAN.TXT", "PIKTORAN.HLP"}) {
    EXPECT_TRUE(FileExists(target + name)) << name;
    EXPECT_TRUE(SameTime(WrittenAt(target + name), WrittenAt(download.Folder() + name))) << name;
  }
  EXPECT_TRUE(FileExists(groupShortcut));
  EXPECT_TRUE(FileExists(startupShortcut));
  EXPECT_EQ(Program::AllSettings(), (std::map<std::string, std::string>{{"EXEPATH", InstallFolder},
                                                                         {"Group", Group},
                                                                         {"BackColor", "0"},
                                                                         {"QUILO_COLOR", "0"},
                                                                         {"Version", "17"}}));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName"), "QUILOSOFT ピクトラン V1.7");
  const std::string uninstallCommand = RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
  EXPECT_EQ(uninstallCommand, "\"" + target + "PIKTORAN.EXE\" /uninstall");

  // The installed copy opens its main window and puts its shortcut on the desktop.
  {
    const Process installed = StartCommandLine("\"" + target + "PIKTORAN.EXE\"", target);
    HWND main = StartedMainWindow(installed);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(HasIcon(main, ICON_BIG));
    EXPECT_TRUE(HasIcon(main, ICON_SMALL));
    ASSERT_TRUE(ChooseMenuEntry(main, "OD"));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(desktopShortcut); }));
    // Without its version number the next start is the installer's again.
    ASSERT_TRUE(ChooseMenuEntry(main, "HC"));
    ASSERT_TRUE(Answer(
        "バージョン番号削除：\nインストールソフトを再起動させたい時に使います。\n"
        "なお、バージョンが違う時は、インストールソフトが自動起動するので、\n"
        "バージョン番号を削除する必要ありません。\nバージョン番号を削除してもよろしいですか？？？",
        "はい"));
    EXPECT_TRUE(WaitUntil([&] { return Program::Setting("Version") == ""; }));
    CloseAndWait(installed, main);
    // The close wrote every value, the capture key's and the series' among them; the uninstall
    // below removes them with the key.
    EXPECT_EQ(Program::Setting("HOTKEY_ON"), "0");
    EXPECT_EQ(Program::Setting("RENBAN_NAME"), "PIKTO");
  }
  {
    const Process again = StartCommandLine("\"" + target + "PIKTORAN.EXE\"", target);
    HWND window = OpenInstaller(again);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(Installer(window).group), Group);
    // Escape is 中止's key.
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window) == Installer(window).folder; }));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(Answer("登録を中止します。", "ＯＫ"));
    EXPECT_EQ(again.WaitForExit(), 0u);
  }
  for (const char* name : WorkFiles) std::ofstream(target + name) << "work";
  // Another program of the maker keeps its settings beside ours.
  const std::string otherProgram = std::string(MakerKey) + "\\OTHER";
  HKEY other = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, otherProgram.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &other, nullptr);
  RegCloseKey(other);

  // The uninstall entry, yes to everything: nothing of the program is left but the helper.
  const Process uninstall = StartCommandLine(uninstallCommand, target);
  ASSERT_TRUE(Answer("QUILOSOFT ピクトラン V1.7\nを、アンインストールしてよろしいですか？？？", "はい", "uninstall-question"));
  ASSERT_TRUE(Answer(WorkFilesQuestion(), "はい"));
  ASSERT_TRUE(Answer("当ソフトのレジストリー情報も削除してよろしいですか？？", "はい"));
  EXPECT_EQ(uninstall.WaitForExit(), 0u);
  HWND done = WaitForBoxSaying("削除が完了しました☆☆☆\nお疲れ様☆☆☆");
  ASSERT_NE(done, nullptr);
  Screenshot("uninstall-completed");
  const Process helper = ProcessOf(done);
  PressOk(done);
  EXPECT_EQ(helper.WaitForExit(), 0u);
  EXPECT_TRUE(CloseFolderWindow(Group));
  EXPECT_TRUE(CloseFolderWindow("StartUp"));

  EXPECT_FALSE(FileExists("C:\\ピクトE2E"));
  EXPECT_FALSE(FileExists(groupShortcut));
  EXPECT_FALSE(FileExists(startupShortcut));
  EXPECT_FALSE(FileExists(desktopShortcut));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, SettingsKey));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, otherProgram.c_str()));
  RegDeleteTreeA(HKEY_CURRENT_USER, MakerKey);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
  EXPECT_FALSE(KeyExists(HKEY_USERS, HandoverKey));
  EXPECT_TRUE(FileExists("C:\\windows\\unin_quilo000.exe"));
  SetStartupGroup(nullptr);
}

TEST(Install, GroupNamesGoQuotedOrNotAtAll) {
  constexpr const char* Tools = "Tools (64-bit)";
  constexpr const char* Forged = "x,1)][DeleteGroup(Other";
  const std::string programs = ShellFolder("Programs");
  const std::string toolsFolder = programs + "\\" + Tools;
  const std::string toolsShortcut = toolsFolder + "\\ピクトラン.lnk";
  // Another program's group, which no command of ours may touch.
  const std::string otherFile = programs + "\\Other\\Other.lnk";
  CreateDirectoryA((programs + "\\Other").c_str(), nullptr);
  std::ofstream(otherFile) << "another program";
  // A folder where the item's shortcut goes: Program Manager refuses the item.
  CreateDirectoryA(toolsFolder.c_str(), nullptr);
  CreateDirectoryA(toolsShortcut.c_str(), nullptr);
  SetStartupGroup(nullptr);
  Program download;
  // The maker's colours: white letters on green.
  Program::SetSetting("QUILO_COLOR", "1");
  // Typed in full; no blank in it (see InstallFolder).
  const std::string target = "C:\\ToolsE2E\\PIKTORAN";

  const Process setup = download.Start();
  HWND window = OpenInstaller(setup);
  ASSERT_NE(window, nullptr);
  const Installer installer(window);
  EXPECT_TRUE(HasIcon(window, ICON_BIG));
  EXPECT_TRUE(HasIcon(window, ICON_SMALL));
  // The user types at once, into the folder box.
  ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window) == installer.folder; }));
  TypeText(target);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(installer.folder) == target; })) << WindowText(installer.folder);
  // 標準色 gives up the maker's colours everywhere, the white letters too.
  EXPECT_TRUE(WaitUntil([&] { return LabelPixels(window, RGB(255, 255, 255)) > 0; }));
  PostMessageA(installer.CheckBox("標準色"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return LabelPixels(window, RGB(255, 255, 255)) == 0 && GreenPixels(window) == 0; }));
  Screenshot("installer-standard-colours");
  // Enter is 設定's key.
  ASSERT_TRUE(TabTo(window, ChildOfClass(installer.group, "Edit")));
  TypeText(Forged);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(installer.group) == Forged; })) << WindowText(installer.group);
  PressKey(VK_RETURN);
  ASSERT_TRUE(Answer(std::string("[ ") + Forged + " ]\nグループ名に \" [ ] の文字は使えません・・・", "ＯＫ",
                     "installer-group-refused"));
  EXPECT_FALSE(FileExists(target));

  // After the message the keyboard is back in the group box. Quoted, the name with parentheses is
  // one group; the item that cannot be made is reported.
  ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window) == ChildOfClass(installer.group, "Edit"); }));
  SetText(installer.group, Tools);
  PressKey(VK_RETURN);
  ASSERT_TRUE(Answer(target + "\nフォルダーを作成します", "はい"));
  ASSERT_TRUE(Answer("[ Tools (64-bit) ]\nDDE:送信に失敗しました・・・\nグループへの登録に失敗しました・・・", "ＯＫ",
                     "installer-item-refused"));
  EXPECT_TRUE(CloseFolderWindow(Tools));
  EXPECT_EQ(Program::Setting("Version"), std::nullopt);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(FindButton(window, "設定")); }));

  RemoveDirectoryA(toolsShortcut.c_str());
  ASSERT_TRUE(PressButton(window, "設定"));
  ASSERT_TRUE(Answer("登録完了です。\n\n[ Tools (64-bit) ]\nグループに登録しました☆☆\nお疲れ様☆☆", "ＯＫ"));
  EXPECT_EQ(setup.WaitForExit(), 0u);
  EXPECT_TRUE(CloseFolderWindow(Tools));
  EXPECT_TRUE(FileExists(toolsShortcut));
  EXPECT_EQ(Program::Setting("Version"), "17");
  EXPECT_EQ(Program::Setting("BackColor"), "1");
  EXPECT_EQ(Program::Setting("QUILO_COLOR"), "0");

  // A stored group that would smuggle in a second command is sent nowhere. The start-up group's
  // item that Program Manager cannot delete (read-only) is reported.
  Program::SetSetting("Group", Forged);
  SetStartupGroup("StartUp");
  const std::string startupShortcut = ShellFolder("Startup") + "\\ピクトラン.lnk";
  std::ofstream(startupShortcut) << "kept";
  SetFileAttributesA(startupShortcut.c_str(), FILE_ATTRIBUTE_READONLY);
  const Process uninstall = StartCommandLine(RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString"), target);
  ASSERT_TRUE(Answer("QUILOSOFT ピクトラン V1.7\nを、アンインストールしてよろしいですか？？？", "はい"));
  ASSERT_TRUE(Answer(std::string("[ ") + Forged + " ]\nグループ名に \" [ ] の文字は使えません・・・\nグループからの削除を中止しました・・・",
                     "ＯＫ", "uninstall-group-refused"));
  ASSERT_TRUE(Answer("[ StartUp ]\nDDE:送信に失敗しました・・・\nグループからの削除に失敗しました・・・", "ＯＫ"));
  EXPECT_TRUE(CloseFolderWindow("StartUp"));
  UninstallToTheEnd(uninstall);
  EXPECT_EQ(FileText(otherFile), "another program");
  EXPECT_FALSE(FileExists("C:\\ToolsE2E"));

  SetFileAttributesA(startupShortcut.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(startupShortcut.c_str());
  SetStartupGroup(nullptr);
  DeleteFileA(toolsShortcut.c_str());
  RemoveDirectoryA(toolsFolder.c_str());
  DeleteFileA(otherFile.c_str());
  RemoveDirectoryA((programs + "\\Other").c_str());
}

TEST(Install, UninstallAnsweringNoKeepsTheUsersFilesAndTheFolder) {
  SetStartupGroup(nullptr);
  Program installed;
  Program::SetSetting("Version", "17");
  Program::SetSetting("EXEPATH", installed.Folder());
  // The colours go over to the helper with the record.
  Program::SetSetting("QUILO_COLOR", "1");
  for (const char* name : WorkFiles) std::ofstream(installed.Folder() + name) << "work";

  const Process uninstall = installed.Start({"/uninstall"});
  ASSERT_TRUE(Answer("QUILOSOFT ピクトラン V1.7\nを、アンインストールしてよろしいですか？？？", "はい"));
  ASSERT_TRUE(Answer(WorkFilesQuestion(), "いいえ"));
  ASSERT_TRUE(Answer("当ソフトのレジストリー情報も削除してよろしいですか？？", "いいえ"));
  EXPECT_EQ(uninstall.WaitForExit(), 0u);
  HWND done = WaitForBoxSaying("削除が完了しました☆☆☆\nお疲れ様☆☆☆");
  ASSERT_NE(done, nullptr);
  POINT inside{4, 4};
  ClientToScreen(done, &inside);
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(inside) == RGB(0, 128, 0); })) << ScreenPixel(inside);
  PressOk(done);

  EXPECT_TRUE(WaitUntil([&] { return !FileExists(installed.Folder() + "PIKTORAN.EXE"); }));
  EXPECT_FALSE(FileExists(installed.Folder() + "PIKTORAN.TXT"));
  for (const char* name : WorkFiles) EXPECT_TRUE(FileExists(installed.Folder() + name)) << name;
  EXPECT_EQ(Program::AllSettings(),
            (std::map<std::string, std::string>{{"EXEPATH", installed.Folder()}, {"QUILO_COLOR", "1"}}));

  // Started by hand, the helper finds no record and deletes nothing; a record that names
  // another program's file is refused the same way.
  for (const bool foreignRecord : {false, true}) {
    if (foreignRecord) {
      HKEY record = nullptr;
      RegCreateKeyExA(HKEY_USERS, HandoverKey, 0, nullptr, 0, KEY_WRITE, nullptr, &record, nullptr);
      const char file[] = "C:\\windows\\notepad.exe";
      RegSetValueExA(record, "File", 0, REG_SZ, reinterpret_cast<const BYTE*>(file), sizeof file);
      RegCloseKey(record);
    }
    const Process byHand = StartCommandLine("C:\\windows\\unin_quilo000.exe \"/DeleteFile\"", "C:\\windows\\");
    ASSERT_TRUE(Answer("アンインストールエラー：パラメーターが不正です・・・\n[QUILO SOFT32]専用のアンインストールソフトです。", "ＯＫ"));
    EXPECT_EQ(byHand.WaitForExit(), 0u);
  }
  EXPECT_TRUE(FileExists("C:\\windows\\notepad.exe"));
  EXPECT_FALSE(KeyExists(HKEY_USERS, HandoverKey));

  // A program file that can never go: after a minute the helper says so and ends, so it does
  // not block every later start. The minute passes twenty times faster.
  const std::string stuck = installed.Folder() + "stuck\\PIKTORAN.EXE";
  CreateDirectoryA((installed.Folder() + "stuck").c_str(), nullptr);
  std::ofstream(stuck) << "read-only";
  SetFileAttributesA(stuck.c_str(), FILE_ATTRIBUTE_READONLY);
  HKEY record = nullptr;
  RegCreateKeyExA(HKEY_USERS, HandoverKey, 0, nullptr, 0, KEY_WRITE, nullptr, &record, nullptr);
  RegSetValueExA(record, "File", 0, REG_SZ, reinterpret_cast<const BYTE*>(stuck.c_str()),
                 static_cast<DWORD>(stuck.size() + 1));
  RegCloseKey(record);
  HookLibrary fastTimers("fast_timers.dll", PatchingHookName);
  const Process helper = fastTimers.Start("C:\\windows\\unin_quilo000.exe \"/DeleteFile\"", "C:\\windows\\");
  HWND kept = WaitForBoxSaying("[ " + stuck + " ]\nファイルの削除に失敗しました・・・\n手動で削除して下さい。", 20000);
  ASSERT_NE(kept, nullptr);
  PressOk(kept);
  EXPECT_EQ(helper.WaitForExit(), 0u);
  EXPECT_TRUE(FileExists(stuck));
  SetFileAttributesA(stuck.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Install, AMissingHelpFileStopsAfterTheFirstTwoCopies) {
  Program download;
  DeleteFileA((download.Folder() + "PIKTORAN.HLP").c_str());
  const std::string target = download.Folder() + "installed\\";
  CreateDirectoryA(target.c_str(), nullptr);

  const Process setup = download.Start();
  HWND window = OpenInstaller(setup);
  ASSERT_NE(window, nullptr);
  const Installer installer(window);
  // A group and a folder must be given.
  SetText(installer.group, "");
  ASSERT_TRUE(PressButton(window, "設定"));
  ASSERT_TRUE(Answer("グループ名を設定して下さい。", "ＯＫ"));
  SetText(installer.group, "QUILO SOFT32");
  SetText(installer.folder, "");
  ASSERT_TRUE(PressButton(window, "設定"));
  ASSERT_TRUE(Answer("フォルダーを設定して下さい。", "ＯＫ"));

  SetText(installer.folder, target);
  ASSERT_TRUE(PressButton(window, "設定"));
  HWND box = FindMessageBox(setup);
  ASSERT_NE(box, nullptr);
  const std::string text = MessageBoxText(box);
  EXPECT_EQ(text.substr(0, 13), "PIKTORAN.HLP\n");
  EXPECT_TRUE(text.ends_with("\nファイルのコピーに失敗しました・・・")) << text;
  PressOk(box);

  EXPECT_TRUE(FileExists(target + "PIKTORAN.EXE"));
  EXPECT_TRUE(FileExists(target + "PIKTORAN.TXT"));
  EXPECT_FALSE(FileExists(target + "PIKTORAN.HLP"));
  EXPECT_TRUE(Program::AllSettings().empty());
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));

  // 設定 is offered again; 中止 ends without writing anything.
  EXPECT_TRUE(WaitUntil([&] { return FindButton(window, "設定") && IsWindowVisible(FindButton(window, "設定")); }));
  ASSERT_TRUE(PressButton(window, "中止"));
  ASSERT_TRUE(Answer("登録を中止します。", "ＯＫ"));
  EXPECT_EQ(setup.WaitForExit(), 0u);
  for (const char* name : {"PIKTORAN.EXE", "PIKTORAN.TXT"}) DeleteFileA((target + name).c_str());
  RemoveDirectoryA(target.c_str());
}

std::uint32_t RegistryNumber(HKEY root, const char* path, const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  RegGetValueA(root, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

// The files Windows deletes at its next start, as their names stand in the list.
std::string PendingDeletions() {
  std::string names(32 * 1024, '\0');
  DWORD size = static_cast<DWORD>(names.size());
  RegGetValueA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", "PendingFileRenameOperations",
               RRF_RT_REG_MULTI_SZ, nullptr, names.data(), &size);
  names.resize(size);
  return names;
}

std::string TemporaryFolder() {
  char temporary[MAX_PATH] = {};
  GetTempPathA(sizeof temporary, temporary);
  return temporary;
}

void WriteRegistryText(HKEY root, const std::string& path, const char* name, const std::string& value) {
  HKEY key = nullptr;
  RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

// The files of a folder, sorted.
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// A standard user of current Windows (standard_user.dll refuses what Windows refuses them) on a
// profile without a start-up group, where an administrator's installation into another folder
// left its entry for all users: the installation lists the program under the user's own
// uninstall entry, says that the older one stays, and puts the start-up shortcut into the
// start-up folder; the installed program starts, captures and sets the wallpaper where the user
// may write; the uninstall entry removes all of it through a helper copy it makes in the
// temporary folder, which goes at the next restart. What lies under the helper's name in the
// Windows folder (a stale file the user may not replace) is never started, nor is the record of
// an uninstall whose helper never ran followed. The user's work folder goes but for the wallpaper.
TEST(Install, AStandardUserOfCurrentWindowsInstallsUsesAndUninstalls) {
  SetStartupGroup(nullptr);
  // What administrators' runs of other walks left in the Windows folder would hide.
  DeleteFileA("C:\\windows\\WALLPK$$.BMP");
  constexpr const char* Folder = "C:\\ピクト標準\\PIKTORAN";
  const std::string target = std::string(Folder) + "\\";
  const std::string startupShortcut = ShellFolder("Startup") + "\\ピクトラン.lnk";
  WriteRegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "InstallLocation", "C:\\QUILOP32\\PIKTORAN");
  HookLibrary standardUser("standard_user.dll", PatchingHookName);
  Program download;
  Program::SetSetting("EXEPATH", Folder);

  const Process setup = standardUser.Start(download);
  HWND window = OpenInstaller(setup);
  ASSERT_NE(window, nullptr);
  const Installer installer(window);
  HWND startup = installer.CheckBox("スタートアップグループにも、アイコンを登録する。");
  PostMessageA(startup, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(startup, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  ASSERT_TRUE(PressButton(window, "設定"));
  ASSERT_TRUE(Answer(std::string(Folder) + "\nフォルダーを作成します", "はい"));
  ASSERT_TRUE(Answer("[ C:\\QUILOP32\\PIKTORAN ]\nWindows のプログラム一覧に、以前のインストールの登録が残っています・・・\n"
                     "（管理者として実行すると削除できます）",
                     "ＯＫ", "installer-stale-entry"));
  ASSERT_TRUE(Answer("登録完了です。\n\n[ QUILO SOFT32 ]\nグループに登録しました☆☆\nお疲れ様☆☆", "ＯＫ"));
  EXPECT_EQ(setup.WaitForExit(), 0u);
  EXPECT_TRUE(CloseFolderWindow("QUILO SOFT32"));
  EXPECT_TRUE(FileExists(startupShortcut));
  EXPECT_EQ(Program::Setting("Version"), "17");
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "InstallLocation"), "C:\\QUILOP32\\PIKTORAN");
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, UninstallKey, "DisplayName"), "QUILOSOFT ピクトラン V1.7");
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, UninstallKey, "DisplayIcon"), target + "PIKTORAN.EXE,0");
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, UninstallKey, "DisplayVersion"), "1.7");
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, UninstallKey, "Publisher"), "QUILOSOFT");
  EXPECT_GT(RegistryNumber(HKEY_CURRENT_USER, UninstallKey, "EstimatedSize"), 100u);
  EXPECT_EQ(RegistryNumber(HKEY_CURRENT_USER, UninstallKey, "NoModify"), 1u);
  EXPECT_EQ(RegistryNumber(HKEY_CURRENT_USER, UninstallKey, "NoRepair"), 1u);
  for (const char* name : {"PIKTORAN.EXE", "PIKTORAN.TXT", "PIKTORAN.HLP", "PIKTORAN.HTM"}) {
    EXPECT_TRUE(FileExists(target + name)) << name;
  }

  // The next start is the main window's; its capture becomes the wallpaper from the user's folder.
  const std::string wallpaper = ShellFolder("Local AppData") + "\\PIKTORAN\\WALLPK$$.BMP";
  Program::SetSetting("GType", "0");  // 画面全体
  {
    const Process installed = standardUser.Start("\"" + target + "PIKTORAN.EXE\" /G", target);
    HWND main = StartedMainWindow(installed);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(SizeBar(main)).starts_with("取り込みサイズ　左上 ") && IsWindowVisible(main); }))
        << WindowText(SizeBar(main));
    ASSERT_TRUE(ChooseInFileSubmenu(main, 6, 'P'));  // 壁紙 → 壁紙張り付け
    EXPECT_TRUE(WaitUntil([&] { return RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper") == wallpaper; }))
        << RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper");
    EXPECT_TRUE(FileExists(wallpaper));
    EXPECT_FALSE(FileExists("C:\\windows\\WALLPK$$.BMP"));
    CloseAndWait(installed, main);
  }

  // A stale file under the helper's name in the Windows folder and in the temporary folder, the
  // record of another folder's uninstall whose helper never ran, the pictures handed to the
  // paint program and what the paint program saved in the work folder.
  const std::string standIn = OwnFolder() + "stale_helper_stand_in.exe";
  const std::string temporaryHelper = TemporaryFolder() + "unin_quilo000.exe";
  const std::string marker = TemporaryFolder() + "stale_helper_ran.txt";
  DeleteFileA(marker.c_str());
  ASSERT_TRUE(CopyFileA(standIn.c_str(), "C:\\windows\\unin_quilo000.exe", FALSE));
  ASSERT_TRUE(CopyFileA(standIn.c_str(), temporaryHelper.c_str(), FALSE));
  const std::string otherProgram = "C:\\ピクト古\\PIKTORAN\\PIKTORAN.EXE";
  CreateDirectoryA("C:\\ピクト古", nullptr);
  CreateDirectoryA("C:\\ピクト古\\PIKTORAN", nullptr);
  std::ofstream(otherProgram) << "another installation";
  WriteRegistryText(HKEY_USERS, HandoverKey, "File", otherProgram);
  const std::string workFolder = ShellFolder("Local AppData") + "\\PIKTORAN";
  for (const char* name : {"PKT_PA1.BMP", "PKT_PA2.BMP", "描いた絵.BMP"}) std::ofstream(workFolder + "\\" + name) << "picture";
  std::ofstream(target + "PKT_PA$$.BMP") << "picture";

  // Windows' list of programs runs the user's entry; the older entry stays and is named.
  const std::string uninstallCommand = RegistryText(HKEY_CURRENT_USER, UninstallKey, "UninstallString");
  EXPECT_EQ(uninstallCommand, "\"" + target + "PIKTORAN.EXE\" /uninstall");
  const Process uninstall = standardUser.Start(uninstallCommand, target);
  ASSERT_TRUE(Answer("QUILOSOFT ピクトラン V1.7\nを、アンインストールしてよろしいですか？？？", "はい"));
  ASSERT_TRUE(Answer("Windows のプログラム一覧から削除できませんでした・・・\n（管理者として実行すると削除できます）", "ＯＫ"));
  ASSERT_NE(WaitForBoxSaying(WorkFilesQuestion()), nullptr);
  Screenshot("uninstall-work-files-question");
  UninstallToTheEnd(uninstall);
  EXPECT_TRUE(CloseFolderWindow("QUILO SOFT32"));

  EXPECT_FALSE(FileExists(marker)) << FileText(marker);
  EXPECT_FALSE(FileExists("C:\\ピクト標準"));
  EXPECT_FALSE(FileExists(startupShortcut));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, UninstallKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, SettingsKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Unin_QUILO SOFT32"));
  EXPECT_EQ(FileText(otherProgram), "another installation");
  // The helper that ran is the program's copy in the temporary folder; the stale file the user
  // could not replace is left as it was.
  EXPECT_TRUE(FileText("C:\\windows\\unin_quilo000.exe") == FileText(standIn));
  EXPECT_TRUE(FileText(temporaryHelper) == FileText(OwnFolder() + "PIKTORAN.EXE"));
  EXPECT_NE(PendingDeletions().find("unin_quilo000.exe"), std::string::npos);
  // The desktop keeps its picture, alone in the work folder.
  EXPECT_EQ(FilesIn(workFolder), std::vector<std::string>{"WALLPK$$.BMP"});

  DeleteFileA("C:\\windows\\unin_quilo000.exe");
  DeleteFileA(otherProgram.c_str());
  RemoveDirectoryA("C:\\ピクト古\\PIKTORAN");
  RemoveDirectoryA("C:\\ピクト古");
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallKey);
}

// Where no Program Manager answers (no_program_manager.dll: DdeConnect finds no server, as on a
// system without one), the installer offers the Programs folder's folders as groups, refuses a
// group that would leave that folder, makes the group's folder and its shortcut itself and
// finishes; the installed program's start-up entry comes and goes the same way, and the
// uninstall removes the shortcut and the emptied folder.
TEST(Install, WithoutProgramManagerTheGroupIsAFolderTheProgramMakes) {
  constexpr const char* Tools = "Tools (64-bit)";
  constexpr const char* Folder = "C:\\ピクトNoDDE\\PIKTORAN";
  const std::string target = std::string(Folder) + "\\";
  const std::string programs = ShellFolder("Programs");
  const std::string toolsFolder = programs + "\\" + Tools;
  const std::string toolsShortcut = toolsFolder + "\\ピクトラン.lnk";
  const std::string startupFolder = ShellFolder("Startup");
  const std::string startupShortcut = startupFolder + "\\ピクトラン.lnk";
  // Another program's group, offered in the list and left alone.
  const std::string older = programs + "\\Games (old)";
  CreateDirectoryA(older.c_str(), nullptr);
  SetStartupGroup("StartUp");
  HookLibrary noProgramManager("no_program_manager.dll", PatchingHookName);
  Program download;
  Program::SetSetting("EXEPATH", Folder);

  const Process setup = noProgramManager.Start(download);
  HWND window = OpenInstaller(setup);
  ASSERT_NE(window, nullptr);
  const Installer installer(window);
  EXPECT_NE(SendMessageA(installer.group, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("Games (old)")), CB_ERR);
  EXPECT_EQ(WindowText(installer.group), "QUILO SOFT32");
  EXPECT_EQ(FindMessageBox(setup, 0), nullptr);
  // A drive would take the group's folder out of the Programs folder: refused before anything is made.
  SetText(installer.group, "C:\\Windows");
  ASSERT_TRUE(PressButton(window, "設定"));
  ASSERT_TRUE(Answer("[ C:\\Windows ]\nグループ名に : は使えません・・・", "ＯＫ", "installer-drive-refused"));
  EXPECT_FALSE(FileExists(Folder));

  SetText(installer.group, Tools);
  HWND startup = installer.CheckBox("スタートアップグループにも、アイコンを登録する。");
  PostMessageA(startup, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(startup, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  ASSERT_TRUE(PressButton(window, "設定"));
  ASSERT_TRUE(Answer(std::string(Folder) + "\nフォルダーを作成します", "はい"));
  ASSERT_TRUE(Answer("登録完了です。\n\n[ Tools (64-bit) ]\nグループに登録しました☆☆\nお疲れ様☆☆", "ＯＫ",
                     "installer-without-program-manager"));
  EXPECT_EQ(setup.WaitForExit(), 0u);
  EXPECT_EQ(ShortcutTarget(toolsShortcut), target + "PIKTORAN.EXE");
  EXPECT_EQ(ShortcutTarget(startupShortcut), target + "PIKTORAN.EXE");
  EXPECT_EQ(Program::Setting("Version"), "17");
  EXPECT_EQ(Program::Setting("Group"), Tools);

  // The installed program's start-up entry: removed and made again, the start-up folder kept.
  {
    const Process installed = noProgramManager.Start("\"" + target + "PIKTORAN.EXE\"", target);
    HWND main = StartedMainWindow(installed);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ChooseMenuEntry(main, "OS"));
    EXPECT_TRUE(WaitUntil([&] { return !FileExists(startupShortcut); }));
    EXPECT_TRUE(FileExists(startupFolder));
    ASSERT_TRUE(ChooseMenuEntry(main, "OS"));
    EXPECT_TRUE(WaitUntil([&] { return ShortcutTarget(startupShortcut) == target + "PIKTORAN.EXE"; }));
    EXPECT_EQ(FindMessageBox(installed, 0), nullptr);
    CloseAndWait(installed, main);
  }

  const std::string uninstallCommand = RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
  const Process uninstall = noProgramManager.Start(uninstallCommand, target);
  ASSERT_TRUE(Answer("QUILOSOFT ピクトラン V1.7\nを、アンインストールしてよろしいですか？？？", "はい"));
  UninstallToTheEnd(uninstall);
  EXPECT_FALSE(FileExists(toolsShortcut));
  EXPECT_FALSE(FileExists(toolsFolder));
  EXPECT_FALSE(FileExists(startupShortcut));
  EXPECT_TRUE(FileExists(startupFolder));
  EXPECT_TRUE(FileExists(older));
  EXPECT_FALSE(FileExists("C:\\ピクトNoDDE"));
  // No Program Manager ever opened a folder window.
  EXPECT_EQ(FindWindowA("ExplorerWClass", Tools), nullptr);
  SetStartupGroup(nullptr);
  RemoveDirectoryA(older.c_str());
}

}  // namespace
}  // namespace e2e
