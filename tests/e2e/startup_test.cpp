// Start-up, placement, the close path and the second start, seen from outside.
#include <gtest/gtest.h>

#include <fstream>

#include "driver.h"
#include "support/screenshot.h"

namespace e2e {
namespace {

TEST(Startup, WithoutStoredVersionTheInstallerOpens) {
  Program program;
  const Process process = program.Start();
  HWND setup = process.WaitForWindow(SetupClass);
  ASSERT_NE(setup, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(setup) != FALSE; }));
  EXPECT_EQ(WindowText(setup), "ピクトラン V1．7 登録");
  RECT client{};
  GetClientRect(setup, &client);
  EXPECT_EQ(client.right, 456);
  EXPECT_EQ(client.bottom, 171);
  EXPECT_EQ(process.FindWindowOfClass(MainClass), nullptr);
  Screenshot("setup-window");
  CloseAndWait(process, setup);
}

TEST(Startup, AnotherStoredVersionAlsoOpensTheInstallerButOnlyOnce) {
  Program program;
  Program::SetSetting("Version", "16");
  const Process first = program.Start();
  ASSERT_NE(first.WaitForWindow(SetupClass), nullptr);
  // While an installer window exists, a further start ends at once.
  const Process second = program.Start();
  EXPECT_EQ(second.WaitForExit(), 0u);
  CloseAndWait(first, first.FindWindowOfClass(SetupClass));
}

TEST(Startup, Version17OpensTheMainWindowCentred) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND window = StartedMainWindow(process);
  ASSERT_NE(window, nullptr);
  const RECT r = WindowRect(window);
  EXPECT_EQ(r.left, (ScreenWidth() - 445) / 2);
  EXPECT_EQ(r.top, (ScreenHeight() - 300) / 2);
  EXPECT_EQ(r.right - r.left, 445);
  EXPECT_EQ(r.bottom - r.top, 300);
  EXPECT_EQ(process.FindWindowOfClass(SetupClass), nullptr);
  Screenshot("main-window-started");
  CloseAndWait(process, window);
}

TEST(Startup, StoredPositionPartlyOffTheScreenIsPulledInside) {
  Program program;
  Program::SetSetting("Version", "17");
  // 376 pixels off the right edge and 40 above the top.
  Program::SetSetting("FP", std::to_string(ScreenWidth() - 124) + ",-40,500,320");
  const Process process = program.Start();
  HWND window = StartedMainWindow(process);
  const RECT r = WindowRect(window);
  EXPECT_EQ(r.left, ScreenWidth() - 500);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right - r.left, 500);
  EXPECT_EQ(r.bottom - r.top, 320);
  CloseAndWait(process, window);
  EXPECT_EQ(Program::Setting("FP"), std::to_string(ScreenWidth() - 500) + ",0,500,320");
}

TEST(Startup, ClosingWritesEveryValueWithItsDefault) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND window = StartedMainWindow(process);
  CloseAndWait(process, window);

  const std::string folder = program.Folder();
  const std::map<std::string, std::string> expected = {
      {"Version", "17"},
      {"TOPMOST", "0"},
      {"GType", "1"},
      {"FP", CentredDefaultBounds()},
      {"BackColor", "1"},
      {"minihelp", "1"},
      {"IconPath", "C:\\windows\\cursors"},
      {"SavePath", folder},
      {"LOADPath", folder},
      {"PRILOADPath", folder},
      {"JPG_SavePath", folder},
      {"LeftUp", "64,64"},
      {"Center", "0,0"},
      {"KOTEI", CentredDefaultBounds()},
      {"BMPBGColor", "5"},
      {"Timer", "0"},
      {"MyColor", std::to_string(GetSysColor(COLOR_WINDOW))},
      {"Gousei", "1"},
      {"Naraberu", "0"},
      {"Kougo", "1"},
      {"Baimitu", "0"},
      {"Size", "2"},
      {"HoseiOn", "0"},
      {"JPG_INTERNET", "0"},
      {"JPG_COMP", "90"},
      {"AUTO_IN", "0"},
      {"Cursor_Set", "1"},
      {"GOUSEI_M1", "0"},
      {"CAPCHER_GOUSEI", "1"},
      {"HOTKEY_ON", "0"},
      {"HOTKEY", "6,123"},
      {"RENBAN_ON", "0"},
      {"RENBAN_PATH", ""},  // the BMP save folder's
      {"RENBAN_NAME", "PIKTO"},
      {"RENBAN_TYPE", "0"},
  };
  EXPECT_EQ(Program::AllSettings(), expected);
}

TEST(Startup, StoredValuesComeBackUnchanged) {
  Program program;
  const std::map<std::string, std::string> stored = {
      {"Version", "17"}, {"TOPMOST", "1"}, {"GType", "7"}, {"FP", "10,20,445,300"}, {"LeftUp", "0,20"},
      {"JPG_COMP", "250"}, {"MyColor", "-1"}, {"Timer", "12"}, {"SavePath", "C:\\表\\"},
      {"HOTKEY", "4,65"}, {"RENBAN_NAME", "a\\b"}, {"RENBAN_TYPE", "2"}, {"RENBAN_PATH", "D:\\連番"},
  };
  for (const auto& [name, value] : stored) Program::SetSetting(name, value);
  const Process process = program.Start();
  HWND window = StartedMainWindow(process);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  CloseAndWait(process, window);
  EXPECT_EQ(Program::Setting("TOPMOST"), "1");
  EXPECT_EQ(Program::Setting("GType"), "7");
  EXPECT_EQ(Program::Setting("FP"), "10,20,445,300");
  EXPECT_EQ(Program::Setting("LeftUp"), "64,20");
  EXPECT_EQ(Program::Setting("JPG_COMP"), "100");
  EXPECT_EQ(Program::Setting("MyColor"), std::to_string(GetSysColor(COLOR_WINDOW)));
  EXPECT_EQ(Program::Setting("Timer"), "0");
  EXPECT_EQ(Program::Setting("SavePath"), "C:\\表\\");
  EXPECT_EQ(Program::Setting("HOTKEY"), "6,123");  // Shift+A would be typing
  EXPECT_EQ(Program::Setting("RENBAN_NAME"), "PIKTO");
  EXPECT_EQ(Program::Setting("RENBAN_TYPE"), "2");
  EXPECT_EQ(Program::Setting("RENBAN_PATH"), "D:\\連番");
}

TEST(Startup, TheTitleCoversTheWindowAndACloseThenWritesNothing) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("JPG_COMP", "55");
  StartupHold hold;
  const Process process = hold.Start(program);
  HWND window = process.WaitForWindow(MainClass);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));

  // What lies on top of the client area is the large title, in aqua.
  RECT client{};
  GetClientRect(window, &client);
  POINT corner{4, client.bottom - 4};
  ClientToScreen(window, &corner);
  HWND top = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    top = WindowFromPoint(corner);
    return WindowText(top) == "ピクトラン" && top != window;
  })) << ClassOf(top);
  EXPECT_TRUE(WaitUntil([&] {
    HDC screen = GetDC(nullptr);
    const COLORREF shown = GetPixel(screen, corner.x, corner.y);
    ReleaseDC(nullptr, screen);
    return shown == RGB(0, 255, 255);
  }));
  Screenshot("start-up-title");

  PostMessageA(window, WM_CLOSE, 0, 0);
  HWND box = FindMessageBox(process);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "強制終了します。\nエラー：１");
  Screenshot("closed-during-startup");
  PressOk(box);
  EXPECT_EQ(process.WaitForExit(), 0u);
  EXPECT_EQ(Program::AllSettings(), (std::map<std::string, std::string>{{"Version", "17"}, {"JPG_COMP", "55"}}));
}

// The file-history list of the running copy.
std::vector<std::string> HistoryOf(HWND mainWindow) {
  std::vector<std::string> items;
  for (HWND child : Descendants(mainWindow)) {
    if (ClassOf(child) != "ListBox") continue;
    const int count = static_cast<int>(SendMessageA(child, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      // Read as UTF-16: Wine hands list-box texts across processes that way even to the A call.
      wchar_t wide[512] = {};
      SendMessageW(child, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
      char text[1024] = {};
      WideCharToMultiByte(932, 0, wide, -1, text, sizeof text, nullptr, nullptr);
      items.push_back(text);
    }
  }
  return items;
}

TEST(Startup, SecondStartHandsItsArgumentsOverAndEnds) {
  Program program;
  Program::SetSetting("Version", "17");
  const std::string picture = program.Folder() + "handed over picture.bmp";
  std::ofstream(picture) << "BM";
  char shortName[MAX_PATH] = {};
  GetShortPathNameA(picture.c_str(), shortName, sizeof shortName);

  const Process first = program.Start();
  HWND window = StartedMainWindow(first);
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }));

  const Process second = program.Start({shortName, "C:\\no such file.bmp", "-x"});
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(window); }));
  EXPECT_EQ(HistoryOf(window), std::vector<std::string>{picture});
  // The handed file is opened; this one is no picture.
  HWND box = FindMessageBox(first);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・");
  PressOk(box);

  // Without arguments a second start only brings the first to the front.
  const Process third = program.Start();
  EXPECT_EQ(third.WaitForExit(), 0u);
  EXPECT_EQ(HistoryOf(window), std::vector<std::string>{picture});
  CloseAndWait(first, window);
  DeleteFileA(picture.c_str());
}

TEST(Startup, CommandLineFilesGoToTheHistory) {
  Program program;
  Program::SetSetting("Version", "17");
  const std::string a = program.Folder() + "first.jpg";
  const std::string b = program.Folder() + "second.jpg";
  std::ofstream(a) << "x";
  std::ofstream(b) << "x";
  const Process process = program.Start({a, "/G", b});
  HWND window = StartedMainWindow(process);
  EXPECT_TRUE(WaitUntil([&] { return HistoryOf(window).size() == 2; }));
  EXPECT_EQ(HistoryOf(window), (std::vector<std::string>{a, b}));
  CloseAndWait(process, window);
  DeleteFileA(a.c_str());
  DeleteFileA(b.c_str());
}

TEST(Startup, TheEndOfTheSessionSavesTheSettings) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND window = StartedMainWindow(process);
  SetWindowPos(window, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(WaitUntil([&] { return WindowRect(window).left == 20; }));
  EXPECT_TRUE(SendMessageA(window, WM_QUERYENDSESSION, 0, 0));
  SendMessageA(window, WM_ENDSESSION, TRUE, 0);
  // The system ends the process without a close request.
  process.Kill();
  EXPECT_EQ(Program::Setting("FP"), "20,30,445,300");
  EXPECT_EQ(Program::Setting("JPG_COMP"), "90");
}

TEST(Startup, UninstallWhileRunningSaysSoAndEnds) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process running = program.Start();
  HWND window = StartedMainWindow(running);
  const Process uninstall = program.Start({"/uninstall"});
  HWND box = FindMessageBox(uninstall);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "アンインストールえらー：ソフトが起動中です。\n終了しないとアンインストール出来ません。");
  PressOk(box);
  EXPECT_EQ(uninstall.WaitForExit(), 0u);
  EXPECT_TRUE(running.Running());
  CloseAndWait(running, window);
}

}  // namespace
}  // namespace e2e
