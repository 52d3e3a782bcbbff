// ホットキーで取り込むＯＮ and 連番で保存するＯＮ, driven as a user does: the key pressed on the
// screen's keyboard while another program is in front, the series saved into folders typed into
// its settings box.
#include <gtest/gtest.h>

#include "capture_scenes.h"
#include "driver.h"
#include "layout_checks.h"
#include "png_files.h"
#include "window_parts.h"
#include "support/screenshot.h"

namespace e2e {
namespace {

// Ctrl+Shift+F12, the key the program starts with.
constexpr const char* CaptureKeys = "ctrl+shift+F12";
constexpr RECT FrontRect{600, 60, 600 + 4 * BandWidth, 60 + 140};
constexpr RECT OtherRect{100, 600, 100 + 3 * BandWidth, 600 + 100};

// A window of another program, one the user works in: painted in the colour bands, clear of the
// main window, brought to the front as a click on it would.
class FrontWindow {
 public:
  explicit FrontWindow(const RECT& r) : bands_(r, BandsWindow::Layer::Normal) {}

  bool BringToFront() const {
    return PumpUntil([&] {
      if (GetForegroundWindow() == bands_.Handle()) return true;
      SetForegroundWindow(bands_.Handle());
      return false;
    });
  }

 private:
  BandsWindow bands_;
};

std::string SeriesFile(const std::string& folder, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "PIKTO%04d.PNG", number);
  return folder + "\\" + name;
}

// The option menu's entry with this caption shows checked.
bool OptionChecked(HWND main, const std::string& caption) {
  for (const MenuLine& line : ReadMenuBar(main)) {
    if (line.depth == 1 && line.caption == caption) return line.checked;
  }
  ADD_FAILURE() << "no entry " << caption;
  return false;
}

// 連番保存の設定: the folder typed over the one proposed (the box opens with it selected), 設定 by Enter.
void ChooseSeriesFolder(const Process& process, HWND main, const std::string& folder) {
  ASSERT_TRUE(ChooseMenuEntry(main, "OR"));
  const HWND box = process.WaitForWindow("TSeriesBox");
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return ButtonsPainted(box) && ClassOf(FocusedWindow(box)) == "Edit"; }));
  EXPECT_EQ(TextsThatDoNotFit(box), std::vector<std::string>{});
  EXPECT_EQ(OverlappingSiblings(box), std::vector<std::string>{});
  Screenshot("series-settings");
  TypeText(folder);
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
}

// The key pressed while `front` is in front: the program hides for the capture and comes back with
// the size bar saying `sizeText`.
void PressCaptureKey(const FrontWindow& front, HWND main, const std::string& sizeText) {
  ASSERT_TRUE(front.BringToFront());
  ASSERT_TRUE(PressKeysOnScreen(CaptureKeys));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(main); }));
  HWND sizeBar = SizeBar(main);
  EXPECT_TRUE(PumpUntil([&] { return WindowText(sizeBar) == sizeText && IsWindowVisible(main); }))
      << WindowText(sizeBar);
  // The run ends with the cursor preview drawn again (Image_Icon, empty until then).
  EXPECT_TRUE(PumpUntil([&] {
    const RECT preview = WindowRect(ChildOfClass(main, "TImage"));
    return preview.right > preview.left;
  }));
}

void ExpectBandsPicture(const std::string& file) {
  const auto picture = SystemDecodedFile(file);
  ASSERT_TRUE(picture) << file;
  EXPECT_EQ(picture->width, FrontRect.right - FrontRect.left) << file;
  EXPECT_EQ(picture->height, FrontRect.bottom - FrontRect.top) << file;
  for (std::size_t band = 0; band < BandColours.size(); ++band) {
    const COLORREF c = BandColours[band];
    const Pixel expected = MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
    EXPECT_EQ(picture->At(static_cast<int>(band) * BandWidth + BandWidth / 2, 70), expected) << file << " band " << band;
  }
}

TEST(HotKey, TheKeyCapturesTheWindowInFrontAndTheSeriesNumbersEachCapture) {
  Program program;
  Program::SetSetting("Version", "17");
  const std::string folder = program.Folder() + "series [1]";
  CreateDirectoryA(folder.c_str(), nullptr);
  const Process process = program.Start();
  HWND main = WaitForMainWindowPumping(process);
  ASSERT_NE(main, nullptr);

  ASSERT_TRUE(ChooseMenuEntry(main, "OK"));  // ホットキーで取り込むＯＮ
  EXPECT_TRUE(WaitUntil([&] { return OptionChecked(main, "ホットキーで取り込むＯＮ (&K)"); }));
  ChooseSeriesFolder(process, main, folder);
  ASSERT_TRUE(ChooseMenuEntry(main, "ON"));  // 連番で保存するＯＮ
  EXPECT_TRUE(WaitUntil([&] { return OptionChecked(main, "連番で保存するＯＮ (&N)"); }));

  // The program is not in front: the capture of the active-window type is the window that is.
  const FrontWindow front(FrontRect);
  const std::string capture = CaptureSizeText(FrontRect);
  for (int number = 1; number <= 3; ++number) {
    PressCaptureKey(front, main, "連番保存 " + SeriesFile("", number).substr(1) + "　サイズ 200, 140");
  }
  const POINT origin = PaintedPictureOrigin(main, {BandWidth / 2, 70}, BandColours[0]);
  EXPECT_EQ(ScreenPixel(origin.x + 3 * BandWidth + BandWidth / 2, origin.y + 70), BandColours[3]);
  Screenshot("hot-key-capture");
  for (int number = 1; number <= 3; ++number) ExpectBandsPicture(SeriesFile(folder, number));
  EXPECT_FALSE(FileExists(SeriesFile(folder, 4)));

  // A file of the series that is there already is skipped, whatever its letter case, and kept.
  const std::string second = program.Folder() + "series [2]";
  CreateDirectoryA(second.c_str(), nullptr);
  const std::string foreign = "not a picture of ours";
  WriteBytes(second + "\\pikto0002.png", {foreign.begin(), foreign.end()});
  ChooseSeriesFolder(process, main, second);
  PressCaptureKey(front, main, "連番保存 PIKTO0003.PNG　サイズ 200, 140");
  EXPECT_EQ(FileText(second + "\\pikto0002.png"), foreign);
  ExpectBandsPicture(SeriesFile(second, 3));
  EXPECT_FALSE(FileExists(SeriesFile(second, 1)));

  // A folder that is gone: the message names the file, the capture stays and so do both switches.
  for (const char* name : {"\\pikto0002.png", "\\PIKTO0003.PNG"}) DeleteFileA((second + name).c_str());
  ASSERT_TRUE(RemoveDirectoryA(second.c_str()));
  ASSERT_TRUE(front.BringToFront());
  ASSERT_TRUE(PressKeysOnScreen(CaptureKeys));
  HWND box = FindMessageBox(process);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "連番保存に失敗しました・・・\n" + SeriesFile(second, 1) +
                                     "\n\nフォルダー、ディスクの空き、書き込みの権限を確かめて下さい☆☆☆");
  Screenshot("series-failed");
  PressOk(box);
  EXPECT_TRUE(PumpUntil([&] { return WindowText(SizeBar(main)) == capture && IsWindowVisible(main); }))
      << WindowText(SizeBar(main));
  EXPECT_TRUE(OptionChecked(main, "ホットキーで取り込むＯＮ (&K)"));
  EXPECT_TRUE(OptionChecked(main, "連番で保存するＯＮ (&N)"));
  // The folder back, the next press saves again.
  CreateDirectoryA(second.c_str(), nullptr);
  PressCaptureKey(front, main, "連番保存 PIKTO0001.PNG　サイズ 200, 140");
  ExpectBandsPicture(SeriesFile(second, 1));

  // With a delay of 2 seconds the user goes on to another window meanwhile and presses again: that
  // press is ignored, and the capture is the window that was in front at the first.
  ASSERT_TRUE(ChooseMenuEntry(main, "T2"));
  const FrontWindow other(OtherRect);
  ASSERT_TRUE(front.BringToFront());
  ASSERT_TRUE(PressKeysOnScreen(CaptureKeys));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(main); }));
  ASSERT_TRUE(other.BringToFront());
  ASSERT_TRUE(PressKeysOnScreen(CaptureKeys));
  EXPECT_TRUE(PumpUntil([&] {
    return WindowText(SizeBar(main)) == "連番保存 PIKTO0002.PNG　サイズ 200, 140" && IsWindowVisible(main);
  })) << WindowText(SizeBar(main));
  ExpectBandsPicture(SeriesFile(second, 2));

  CloseAndWait(process, main);
  EXPECT_EQ(Program::Setting("HOTKEY_ON"), "1");
  EXPECT_EQ(Program::Setting("HOTKEY"), "6,123");
  EXPECT_EQ(Program::Setting("RENBAN_ON"), "1");
  EXPECT_EQ(Program::Setting("RENBAN_PATH"), second + "\\");
  // Every file of the series went into the file history, the newest at the top.
  const std::string history = FileText(program.Folder() + "PIKTO_HS.LST");
  EXPECT_EQ(history.substr(0, history.find("\r\n")), SeriesFile(second, 2));
  EXPECT_NE(history.find(SeriesFile(folder, 3) + "\r\n"), std::string::npos);
}

// A window of this program holds Ctrl+Shift+F12 as another program would.
class KeyHolder {
 public:
  KeyHolder() : window_(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)) {
    held_ = RegisterHotKey(window_, 7, MOD_CONTROL | MOD_SHIFT, VK_F12) != FALSE;
  }
  ~KeyHolder() {
    if (held_) UnregisterHotKey(window_, 7);
    DestroyWindow(window_);
  }
  bool Held() const { return held_; }

 private:
  HWND window_;
  bool held_ = false;
};

TEST(HotKey, AKeyAnotherProgramHoldsIsReportedAndTheStoredKeyComesBackAtTheNextStart) {
  Program program;
  Program::SetSetting("Version", "17");
  {
    const KeyHolder holder;
    ASSERT_TRUE(holder.Held());
    const Process process = program.Start();
    HWND main = StartedMainWindow(process);
    ASSERT_TRUE(ChooseMenuEntry(main, "OK"));
    HWND box = FindMessageBox(process);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "ホットキー Ctrl+Shift+F12 を、登録できませんでした・・・\nほかのソフトが、このキーを使っています。\n\n"
              "ホットキーの設定で、別のキーを選んで下さい☆☆☆");
    Screenshot("hot-key-taken");
    PressOk(box);
    EXPECT_FALSE(OptionChecked(main, "ホットキーで取り込むＯＮ (&K)"));

    // Another key through ホットキーの設定: the keyboard is in the key list, the modifiers stay.
    ASSERT_TRUE(ChooseMenuEntry(main, "OY"));
    HWND keyBox = process.WaitForWindow("THotKeyBox");
    ASSERT_NE(keyBox, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ButtonsPainted(keyBox) && ClassOf(FocusedWindow(keyBox)) == "ComboBox"; }));
    EXPECT_EQ(TextsThatDoNotFit(keyBox), std::vector<std::string>{});
    EXPECT_EQ(OverlappingSiblings(keyBox), std::vector<std::string>{});
    TypeText("P");  // the first key of the list starting with P
    EXPECT_TRUE(WaitUntil([&] { return WindowText(FocusedWindow(keyBox)) == "P"; }));
    Screenshot("hot-key-settings");
    PressKey(VK_RETURN);  // 設定
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(keyBox); }));
    ASSERT_TRUE(ChooseMenuEntry(main, "OK"));
    EXPECT_TRUE(WaitUntil([&] { return OptionChecked(main, "ホットキーで取り込むＯＮ (&K)"); }));
    CloseAndWait(process, main);
  }
  EXPECT_EQ(Program::Setting("HOTKEY_ON"), "1");
  EXPECT_EQ(Program::Setting("HOTKEY"), "6,80");  // Ctrl+Shift+P

  // Stored on, the key is registered again at start-up; a second start hands over and ends
  // without trying a key of its own; closing gives the key back.
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  EXPECT_TRUE(OptionChecked(main, "ホットキーで取り込むＯＮ (&K)"));
  const Process second = program.Start();
  EXPECT_EQ(second.WaitForExit(), 0u);  // a message of its own would keep it running
  EXPECT_FALSE(RegisterHotKey(nullptr, 8, MOD_CONTROL | MOD_SHIFT, 'P'));
  CloseAndWait(process, main);
  EXPECT_TRUE(RegisterHotKey(nullptr, 8, MOD_CONTROL | MOD_SHIFT, 'P'));
  UnregisterHotKey(nullptr, 8);
}

}  // namespace
}  // namespace e2e
