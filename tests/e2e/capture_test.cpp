// The capture run seen from outside: what the size bar reports, what the picture holds, and
// how long the window stays out of the way.
#include <gtest/gtest.h>

#include "capture_scenes.h"
#include "driver.h"
#include "import_patch.h"
#include "scaled_screen.h"
#include "window_parts.h"
#include "support/screenshot.h"

namespace e2e {
namespace {

// A top-most pop-up of the test program painted in the four colour bands.
constexpr RECT BandsRect{40, 40, 40 + 4 * BandWidth, 40 + 120};

// The bands stay on the screen from the first test that asks for them to the end of the suite:
// made again where the last ones and a program window had just closed, they were seen never to
// reach Wine's screen, and a capture then took the desktop.
void ShowBands() { static const BandsWindow bands(BandsRect, BandsWindow::Layer::TopMost); }

// A top-most window with a sizing frame, which Windows 10 and 11 surround with an invisible
// border, painted in the first band colour.
class FramedWindow {
 public:
  FramedWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(BandColours[0]);
    wc.lpszClassName = "E2eFramedWindow";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_THICKFRAME | WS_VISIBLE,
                              300, 200, 400, 300, nullptr, nullptr, wc.hInstance, nullptr);
    EXPECT_TRUE(ShowOnScreen(window_, [] { return ScreenPixel(500, 350) == BandColours.front(); }));
  }
  ~FramedWindow() { DestroyWindow(window_); }
  RECT Rectangle() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return r;
  }

 private:
  HWND window_ = nullptr;
};


// On current Windows a framed window's rectangle carries an invisible border: the captures must
// still hold exactly the window and the whole screen. (How a scaled screen reaches the program,
// Wine 10 shows: the DPI walks.)
TEST(Capture, AFramedWindowWithAnInvisibleBorderAndTheWholeScreenAreCapturedWhole) {
  FramedWindow framed;
  const RECT frame = framed.Rectangle();
  SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "3");
  HookLibrary scaledScreen("scaled_screen.dll", PatchingHookName);
  const Process process = scaledScreen.Start(program, {"/G"});
  HWND main = WaitForMainWindowPumping(process);
  ASSERT_NE(main, nullptr);
  HWND sizeBar = SizeBar(main);
  EXPECT_TRUE(PumpUntil([&] { return WindowText(sizeBar) == CaptureSizeText(frame) && IsWindowVisible(main); }))
      << WindowText(sizeBar);

  ASSERT_TRUE(ChooseMenuEntry(main, "GA"));  // 画面全体
  EXPECT_TRUE(PumpUntil([&] {
    return WindowText(sizeBar) == WholeScreenCaptureText() && IsWindowVisible(main);
  })) << WindowText(sizeBar);
  Screenshot("capture-invisible-border");
  CloseAndWait(process, main);
}

TEST(Capture, FullScreenRequestedOnTheCommandLineShowsItsSize) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "0");
  const Process process = program.Start({"/G"});
  HWND main = StartedMainWindow(process);
  HWND sizeBar = SizeBar(main);
  ASSERT_NE(sizeBar, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(sizeBar) == WholeScreenCaptureText(); }))
      << WindowText(sizeBar);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  CloseAndWait(process, main);
}

TEST(Capture, WindowUnderThePointerBecomesThePictureAtItsOwnSize) {
  ShowBands();
  SetCursorPos(BandsRect.left + 60, BandsRect.top + 30);
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "3");
  const Process process = program.Start({"/G"});
  HWND main = WaitForMainWindowPumping(process);
  ASSERT_NE(main, nullptr);
  HWND sizeBar = SizeBar(main);
  const std::string expected = "取り込みサイズ　左上 40, 40 サイズ 200, 120";
  EXPECT_TRUE(PumpUntil([&] { return WindowText(sizeBar) == expected && IsWindowVisible(main); }))
      << WindowText(sizeBar);
  // Image1 sits at the top-left of the picture box once the window is back.
  const POINT origin = PaintedPictureOrigin(main, {3 * BandWidth + BandWidth / 2, 60}, BandColours[3]);
  Screenshot("capture-shown");
  for (std::size_t band = 0; band < BandColours.size(); ++band) {
    const int x = origin.x + static_cast<int>(band) * BandWidth + BandWidth / 2;
    EXPECT_EQ(ScreenPixel(x, origin.y + 60), BandColours[band]) << "band " << band;
  }
  // Just beyond the picture's right edge the box's own colour shows, not a fifth band.
  EXPECT_NE(ScreenPixel(origin.x + 4 * BandWidth + 5, origin.y + 60), BandColours[3]);
  CloseAndWait(process, main);
}

TEST(Capture, TopLeftIconSizeTakes32By32AtTheWindowsCorner) {
  ShowBands();
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "6");
  Program::SetSetting("FP", "40,40,445,300");  // the main window's corner lies on the first band
  const Process process = program.Start({"/G"});
  HWND main = WaitForMainWindowPumping(process);
  ASSERT_NE(main, nullptr);
  HWND sizeBar = SizeBar(main);
  EXPECT_TRUE(PumpUntil([&] {
    return WindowText(sizeBar) == "取り込みサイズ　左上 40, 40 サイズ 32, 32" && IsWindowVisible(main);
  })) << WindowText(sizeBar);
  const POINT origin = PaintedPictureOrigin(main, {16, 16}, BandColours[0]);
  EXPECT_NE(ScreenPixel(origin.x + 40, origin.y + 16), BandColours[0]);  // beyond the 32 pixels
  CloseAndWait(process, main);
}

TEST(Capture, ThePointerIsDrawnIntoTheCaptureWhereItStood) {
  ShowBands();
  const POINT pointer{BandsRect.left + 20, BandsRect.top + 30};
  SetCursorPos(pointer.x, pointer.y);
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "3");
  Program::SetSetting("AUTO_IN", "1");
  const Process process = program.Start({"/G"});
  HWND main = WaitForMainWindowPumping(process);
  ASSERT_NE(main, nullptr);
  HWND sizeBar = SizeBar(main);
  EXPECT_TRUE(PumpUntil([&] { return WindowText(sizeBar).find("サイズ 200, 120") != std::string::npos &&
                                     IsWindowVisible(main); }));
  const POINT origin = PaintedPictureOrigin(main, {3 * BandWidth + BandWidth / 2, 60}, BandColours[3]);
  const int x = origin.x + pointer.x - BandsRect.left;
  const int y = origin.y + pointer.y - BandsRect.top;
  // The arrow starts at the pointer and lies below and right of it; above and left the band stays.
  int drawn = 0;
  for (int dy = 0; dy < 20; ++dy) {
    for (int dx = 0; dx < 12; ++dx) drawn += ScreenPixel(x + dx, y + dy) != BandColours[0];
  }
  EXPECT_GT(drawn, 20);
  EXPECT_EQ(ScreenPixel(x - 3, y - 3), BandColours[0]);
  Screenshot("capture-with-pointer");
  CloseAndWait(process, main);
}

// 取り込む(&G) → 左上固定サイズ設定 (&E): the size bar takes a value.
bool EnterTopLeftValue(HWND main) {
  if (!OpenBarMenu(main, 'G')) return false;
  PostMessageA(main, WM_CHAR, 'e', 1);
  return WaitUntil([&] {
    HWND button = FindButton(main, "左上固定サイズの設定");
    return button && IsWindowVisible(button);
  });
}

TEST(Capture, ValueEntryOfTheSizeBar) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  HWND sizeBar = SizeBar(main);

  // A single number is the JPEG quality, whatever the mode.
  ASSERT_TRUE(EnterTopLeftValue(main));
  EXPECT_EQ(WindowText(sizeBar), "64 64");
  Screenshot("value-entry");
  SendMessageA(sizeBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("50"));
  PressButton(main, "左上固定サイズの設定");
  HWND box = FindMessageBox(process);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "圧縮率 50％に、設定しました。");
  PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(FindButton(main, "左上固定サイズの設定")); }));
  EXPECT_EQ(WindowText(sizeBar), "取り込みサイズ");

  // A malformed pair keeps the mode on; a good one sets the size, switches to type 7 and captures.
  ASSERT_TRUE(EnterTopLeftValue(main));
  SendMessageA(sizeBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("50 x"));
  PressButton(main, "左上固定サイズの設定");
  box = FindMessageBox(process);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "エラー： サイズデータが不正です・・・2");
  PressOk(box);
  EXPECT_TRUE(IsWindowVisible(FindButton(main, "左上固定サイズの設定")));
  SendMessageA(sizeBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("50 60"));
  PressButton(main, "左上固定サイズの設定");
  const RECT r = WindowRect(main);
  const std::string expected = "取り込みサイズ　左上 " + std::to_string(r.left) + ", " + std::to_string(r.top) +
                               " サイズ 50, 60";
  EXPECT_TRUE(WaitUntil([&] { return WindowText(sizeBar) == expected && IsWindowVisible(main); }))
      << WindowText(sizeBar);
  CloseAndWait(process, main);
  EXPECT_EQ(Program::Setting("JPG_COMP"), "50");
  EXPECT_EQ(Program::Setting("LeftUp"), "50,60");
  EXPECT_EQ(Program::Setting("GType"), "7");
}

TEST(Capture, AnEmptyRangeIsReportedAndTheWholeScreenTaken) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  HWND sizeBar = SizeBar(main);
  const RECT r = WindowRect(main);
  // A top-left size of 0 x 0 is accepted; the capture it starts has nothing to take.
  ASSERT_TRUE(EnterTopLeftValue(main));
  SendMessageA(sizeBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0 0"));
  PressButton(main, "左上固定サイズの設定");
  HWND box = FindMessageBox(process);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "指定範囲が不正です・・・\n" + std::to_string(r.left) + ", " + std::to_string(r.top) +
                                     ", 0, 0\n\n強制的に、全画面キャプチャーに切り替えます☆☆☆");
  PressOk(box);
  EXPECT_TRUE(WaitUntil([&] {
    return WindowText(sizeBar) == WholeScreenCaptureText() && IsWindowVisible(main);
  }));
  CloseAndWait(process, main);
}

TEST(Capture, TheDelayKeepsTheWindowHiddenEvenFromASecondStart) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "0");
  Program::SetSetting("Timer", "2");
  const Process process = program.Start({"/G"});
  HWND main = StartedMainWindow(process);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  const ULONGLONG hiddenAt = GetTickCount64();
  // A second start hands over and ends; the window must not come back into the capture.
  const Process second = program.Start();
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_FALSE(IsWindowVisible(main));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  EXPECT_GE(GetTickCount64() - hiddenAt, 2000u);
  EXPECT_EQ(WindowText(SizeBar(main)), WholeScreenCaptureText());
  CloseAndWait(process, main);
}

}  // namespace
}  // namespace e2e
