// The program on a scaled screen (the Wine 10 lane at 144 and 192 DPI): every window is per-monitor
// aware at the screen's DPI, lays out its design at that scale and cuts no text. The 96-DPI layout
// to compare with comes from the same program without its manifest: unaware, it is given a screen
// of 96 DPI by the system (which stretches what it draws), and a thread that is unaware too reads
// its rectangles in those units.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "capture_scenes.h"
#include "driver.h"
#include "layout_checks.h"
#include "support/screenshot.h"
#include "window_parts.h"

using namespace e2e;

namespace {

// The awareness contexts are fixed pseudo handles; looked up at run time (the headers we build
// with name the calls of older systems only).
const HANDLE PerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

template <typename Function>
Function* User32(const char* name) {
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

// While it lives, this thread sees the screen's own pixels, as the program does.
class AwareThread {
  using Set = HANDLE WINAPI(HANDLE);

 public:
  AwareThread() {
    set_ = User32<Set>("SetThreadDpiAwarenessContext");
    previous_ = set_ ? set_(PerMonitorAwareV2) : nullptr;
  }
  ~AwareThread() {
    if (previous_) set_(previous_);
  }
  AwareThread(const AwareThread&) = delete;
  AwareThread& operator=(const AwareThread&) = delete;

 private:
  Set* set_ = nullptr;
  HANDLE previous_ = nullptr;
};

int ScreenDpi() {
  const AwareThread aware;
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// 2 for per-monitor awareness (V1 or V2); -1 where the system cannot tell.
int AwarenessOf(HWND window) {
  using ContextOf = HANDLE WINAPI(HWND);
  using AwarenessFrom = int WINAPI(HANDLE);
  auto* context = User32<ContextOf>("GetWindowDpiAwarenessContext");
  auto* awareness = User32<AwarenessFrom>("GetAwarenessFromDpiAwarenessContext");
  return context && awareness ? awareness(context(window)) : -1;
}

int DpiOf(HWND window) {
  using DpiForWindow = UINT WINAPI(HWND);
  auto* dpi = User32<DpiForWindow>("GetDpiForWindow");
  return dpi ? static_cast<int>(dpi(window)) : 0;
}

// A control as it stands in its window: edges from the window's client origin.
struct Part {
  std::string name;  // class and text
  RECT edges;
};
using Layout = std::vector<Part>;

Layout LayoutOf(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Layout layout;
  RECT client{};
  GetClientRect(window, &client);
  layout.push_back({"(client area)", client});
  for (HWND child : Descendants(window)) {
    // A combo box places its own edit.
    if (!IsWindowVisible(child) || ClassOf(GetParent(child)) == "ComboBox") continue;
    RECT r = WindowRect(child);
    OffsetRect(&r, -origin.x, -origin.y);
    layout.push_back({ClassOf(child) + " \"" + WindowText(child) + "\"", r});
  }
  return layout;
}

// The windows of one walk, by the name the walk gives them.
using Layouts = std::map<std::string, Layout>;

// Controls whose size follows their text as the font of the scale measures it: a font of 1.5 times
// the height is not exactly 1.5 times as wide. Their texts are checked to fit instead.
bool SizedByText(const std::string& window, const std::string& part) {
  if (window == "message box") return true;  // the whole box is measured from its text
  return part.rfind("Edit ", 0) == 0 && window == "main window";  // the size bar
}

class DpiWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    // At 96 DPI both copies lay out the design itself.
    dpi_ = ScreenDpi();
    // Both copies start as the installer or as the main window, by their own settings.
    unaware_.emplace();
    StripManifest(unaware_->Folder() + "PIKTORAN.EXE");
    PrepareSettings();
  }

  // Runs the walk with the unaware copy (its 96-DPI layouts) and then with the program as it is,
  // and compares every window.
  void CompareWalks(const std::function<void(const Process&, Layouts&, bool aware)>& walk) {
    Layouts designed;
    {
      const Process process = unaware_->Start();
      walk(process, designed, false);
    }
    Layouts scaled;
    {
      Program::ResetSettings();
      PrepareSettings();
      const Process process = program_.Start();
      walk(process, scaled, true);
    }
    ASSERT_EQ(scaled.size(), designed.size());
    for (const auto& [name, layout] : scaled) ExpectScaled(name, designed[name], layout);
  }

  // A visit of one window: checks it and keeps its layout.
  void Visit(HWND window, const std::string& name, Layouts& into, bool aware) {
    if (!aware) {
      into[name] = LayoutOf(window);
      return;
    }
    const AwareThread thread;
    EXPECT_EQ(AwarenessOf(window), 2) << name << " is not per-monitor aware";
    EXPECT_EQ(DpiOf(window), dpi_) << name;
    into[name] = LayoutOf(window);
    EXPECT_EQ(TextsThatDoNotFit(window), std::vector<std::string>{}) << name;
    std::string file = "dpi-" + name;  // in the lane's folder of this scale
    std::replace(file.begin(), file.end(), ' ', '-');
    Screenshot(file);
  }

  // Both copies start from these settings.
  virtual void PrepareSettings() const {}

  int Scaled(int value) const { return MulDiv(value, dpi_, 96); }

  int dpi_ = 96;
  Program program_;
  std::optional<Program> unaware_;

 private:
  static void StripManifest(const std::string& exe) {
    HANDLE update = BeginUpdateResourceA(exe.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    UpdateResourceA(update, RT_MANIFEST, MAKEINTRESOURCEA(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), nullptr, 0);
    ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
  }

  void ExpectScaled(const std::string& window, const Layout& designed, const Layout& scaled) const {
    ASSERT_EQ(scaled.size(), designed.size()) << window;
    for (std::size_t i = 0; i < scaled.size(); ++i) {
      const RECT& d = designed[i].edges;
      const RECT& s = scaled[i].edges;
      // The same control (a text may differ: a count-down ticks).
      EXPECT_EQ(scaled[i].name.substr(0, scaled[i].name.find(' ')), designed[i].name.substr(0, designed[i].name.find(' ')))
          << window << ": " << scaled[i].name << " / " << designed[i].name;
      if (SizedByText(window, scaled[i].name)) continue;
      const auto within = [&](LONG seen, LONG design) { return std::abs(seen - Scaled(design)) <= 1; };
      EXPECT_TRUE(within(s.left, d.left) && within(s.top, d.top) && within(s.right, d.right) && within(s.bottom, d.bottom))
          << window << ": " << scaled[i].name << " at " << s.left << ", " << s.top << " - " << s.right << ", "
          << s.bottom << " where its 96-DPI place " << d.left << ", " << d.top << " - " << d.right << ", " << d.bottom
          << " scales to " << Scaled(d.left) << ", " << Scaled(d.top) << " - " << Scaled(d.right) << ", "
          << Scaled(d.bottom);
    }
  }
};

class DpiDialogs : public DpiWalk {
 protected:
  // The installer proposes, and the browser opens in, a folder that is there.
  void PrepareSettings() const override { Program::SetSetting("EXEPATH", "C:\\windows"); }
};

TEST_F(DpiDialogs, TheInstallerTheBrowserTheInputBoxAndAMessageBoxAreLaidOutAtTheScreensScale) {
  CompareWalks([&](const Process& process, Layouts& layouts, bool aware) {
    HWND installer = ShownWindow(process, SetupClass);
    ASSERT_NE(installer, nullptr);
    // Complete once the proposal and Program Manager's groups are in.
    ASSERT_TRUE(WaitUntil([&] {
      return WindowText(ChildOfClass(installer, "Edit")) == "C:\\windows" &&
             SendMessageA(ChildOfClass(installer, "ComboBox"), CB_GETCOUNT, 0, 0) > 0;
    }));
    Visit(installer, "installer", layouts, aware);

    ASSERT_TRUE(PressButton(installer, "参照"));
    HWND browser = ShownWindow(process, "TDIR2VIEWForm");
    ASSERT_NE(browser, nullptr);
    Visit(browser, "browser", layouts, aware);

    ASSERT_TRUE(PressButton(browser, "NF"));
    HWND input = ShownWindow(process, "TSNBox");
    ASSERT_NE(input, nullptr);
    Visit(input, "input box", layouts, aware);
    ASSERT_TRUE(PressButton(input, "中止"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(input); }));

    // DF asks before it deletes, counting down.
    ASSERT_TRUE(PressButton(browser, "DF"));
    HWND box = ShownWindow(process, MessageBoxClass);
    ASSERT_NE(box, nullptr);
    Visit(box, "message box", layouts, aware);
    ASSERT_TRUE(PressButton(box, "いいえ"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));

    ASSERT_TRUE(PressButton(browser, "中止"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(browser); }));
    ASSERT_TRUE(PressButton(installer, "中止"));
    HWND stopped = ShownWindow(process, MessageBoxClass);  // 登録を中止します。
    ASSERT_NE(stopped, nullptr);
    PressOk(stopped);
    EXPECT_TRUE(process.WaitForExit(20000).has_value());
  });
}

class DpiMainWindow : public DpiWalk {
 protected:
  void PrepareSettings() const override { Program::SetSetting("Version", "17"); }
};

TEST_F(DpiMainWindow, IsLaidOutAtTheScreensScaleWithItsSettingsBoxes) {
  CompareWalks([&](const Process& process, Layouts& layouts, bool aware) {
    HWND main = StartedMainWindow(process);
    ASSERT_NE(main, nullptr);
    // Its default size is the design's at the scale: the window is placed in the screen's pixels.
    if (aware) {
      const AwareThread thread;
      const RECT r = WindowRect(main);
      EXPECT_EQ(r.right - r.left, Scaled(445));
      EXPECT_EQ(r.bottom - r.top, Scaled(300));
    }
    Visit(main, "main window", layouts, aware);
    // The option menu's settings boxes: ホットキーの設定 and 連番保存の設定.
    const std::pair<const char*, const char*> boxes[] = {{"OY", "THotKeyBox"}, {"OR", "TSeriesBox"}};
    for (const auto& [mnemonics, className] : boxes) {
      ASSERT_TRUE(ChooseMenuEntry(main, mnemonics));
      HWND box = ShownWindow(process, className);
      ASSERT_NE(box, nullptr) << className;
      Visit(box, className, layouts, aware);
      ASSERT_TRUE(PressButton(box, "中止"));
      ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    }
    CloseAndWait(process, main);
  });
}

// The colour bands of a window of this program, made per-monitor aware so that they stand on
// the screen in its own pixels and are drawn without being stretched.
constexpr int AwareBandWidth = 75;
constexpr RECT BandsRect{60, 60, 60 + 4 * AwareBandWidth, 60 + 180};

COLORREF AwarePixel(int x, int y) {
  const AwareThread aware;
  return ScreenPixel(x, y);
}

std::unique_ptr<BandsWindow> AwareBands() {
  const AwareThread aware;
  return std::make_unique<BandsWindow>(BandsRect, BandsWindow::Layer::TopMost, AwareBandWidth, AwarePixel);
}

RECT AwareWindowRect(HWND window) {
  const AwareThread aware;
  return WindowRect(window);
}

// The top-left of the picture on the screen, in the screen's pixels.
POINT PictureOrigin(HWND main) {
  const AwareThread aware;
  POINT origin{0, 0};
  ClientToScreen(PictureBox(main), &origin);
  return origin;
}

// The rows below `top` in which the column range holds a pixel other than `background`.
int RowsDrawnOver(POINT at, int width, int height, COLORREF background) {
  int last = -1;
  for (int dy = 0; dy < height; ++dy) {
    for (int dx = 0; dx < width; ++dx) {
      if (AwarePixel(at.x + dx, at.y + dy) != background) last = dy;
    }
  }
  return last + 1;
}

// The rows the system's arrow covers when drawn at its cursor size for a DPI.
int SystemArrowRows(int dpi) {
  const AwareThread aware;
  using MetricsForDpi = int WINAPI(int, UINT);
  auto* metrics = User32<MetricsForDpi>("GetSystemMetricsForDpi");
  const int side = metrics ? metrics(SM_CYCURSOR, static_cast<UINT>(dpi)) : 32;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, side, side);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  const RECT all{0, 0, side, side};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(memory, 0, 0, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)), side, side, 0, nullptr, DI_NORMAL);
  int last = -1;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (GetPixel(memory, x, y) != RGB(255, 255, 255)) last = y;
    }
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return last + 1;
}

using DpiCapture = DpiWalk;

// At 150 %: the captures and the rectangles they store are in the screen's pixels, the pointer is
// drawn at the size the system shows it, and the picture is shown pixel for pixel.
TEST_F(DpiCapture, CapturesAndThePictureAreInTheScreensPixels) {
  const auto bands = AwareBands();
  const POINT pointer{BandsRect.left + 10, BandsRect.top + 100};
  {
    const AwareThread aware;
    SetCursorPos(pointer.x, pointer.y);
  }
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "3");
  Program::SetSetting("AUTO_IN", "1");
  const Process process = program_.Start({"/G"});
  HWND main = WaitForMainWindowPumping(process);
  ASSERT_NE(main, nullptr);
  HWND sizeBar = SizeBar(main);
  // A window of another program, at its size on the screen.
  EXPECT_TRUE(PumpUntil([&] { return WindowText(sizeBar) == CaptureSizeText(BandsRect) && IsWindowVisible(main); }))
      << WindowText(sizeBar);

  // The picture pixel for pixel: each band boundary lies exactly where the window had it.
  const POINT origin = PictureOrigin(main);
  EXPECT_TRUE(PumpUntil([&] { return AwarePixel(origin.x + 4 * AwareBandWidth - 1, origin.y + 20) == BandColours[3]; }));
  for (int band = 0; band < 4; ++band) {
    EXPECT_EQ(AwarePixel(origin.x + band * AwareBandWidth, origin.y + 20), BandColours[band]) << "band " << band;
    EXPECT_EQ(AwarePixel(origin.x + (band + 1) * AwareBandWidth - 1, origin.y + 20), BandColours[band]) << "band " << band;
  }
  EXPECT_NE(AwarePixel(origin.x + 4 * AwareBandWidth, origin.y + 20), BandColours[3]);
  // The arrow drawn into it (19 rows of its 32 at 96 DPI) grows as the system's own arrow grows
  // at this scale.
  const POINT tip{origin.x + pointer.x - BandsRect.left, origin.y + pointer.y - BandsRect.top};
  const int arrowRows = RowsDrawnOver(tip, Scaled(20), Scaled(32), BandColours[0]);
  EXPECT_NEAR(arrowRows, 19.0 * SystemArrowRows(dpi_) / SystemArrowRows(96), 1.0);
  {
    const AwareThread aware;
    Screenshot("dpi-capture-shown");
  }

  ASSERT_TRUE(ChooseMenuEntry(main, "GA"));  // 画面全体
  EXPECT_TRUE(PumpUntil([&] { return WindowText(sizeBar) == CaptureSizeText({0, 0, 1920, 1080}) && IsWindowVisible(main); }))
      << WindowText(sizeBar);

  const RECT form = AwareWindowRect(main);
  ASSERT_TRUE(ChooseMenuEntry(main, "GF"));  // ﾌｫｰﾑと重なっている部分
  EXPECT_TRUE(PumpUntil([&] { return WindowText(sizeBar) == CaptureSizeText(form) && IsWindowVisible(main); }))
      << WindowText(sizeBar);
  ASSERT_TRUE(ChooseMenuEntry(main, "GS"));  // 現在のﾌｫｰﾑを固定ｻｲｽﾞとして取得
  EXPECT_TRUE(PumpUntil([&] { return WindowText(sizeBar) == CaptureSizeText(form) && IsWindowVisible(main); }))
      << WindowText(sizeBar);
  CloseAndWait(process, main);
  EXPECT_EQ(Program::Setting("KOTEI"), std::to_string(form.left) + "," + std::to_string(form.top) + "," +
                                           std::to_string(form.right - form.left) + "," +
                                           std::to_string(form.bottom - form.top));
}

}  // namespace
