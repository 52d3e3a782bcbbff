// Editing seen from outside: the arrow arranged around each figure, with 倍密度, a second picture
// loaded through its dialog and composed inside 円 and on the white parts, moved by the centre
// correction, a colour picked in the system's colour dialog and cleared with; the next start
// shows every choice again.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "driver.h"
#include "formats/bmp_format.h"
#include "support/dialog_parts.h"
#include "support/screenshot.h"
#include "window_parts.h"
// After <windows.h>, which driver.h brings.
#include <commdlg.h>

namespace e2e {
namespace {

constexpr int PictureWidth = 320;
constexpr int PictureHeight = 240;
constexpr COLORREF Grey = RGB(192, 192, 192);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Green = RGB(0, 160, 0);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Picked = RGB(30, 60, 200);
// White in the base picture: a block in the middle and a patch in the top-left corner.
constexpr RECT WhiteBlock{100, 70, 230, 170};
constexpr RECT WhitePatch{10, 10, 30, 30};

bool Within(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

void WriteBmp(const std::string& path, const PixelBuffer& picture) {
  const auto bytes = EncodeBmp(picture);
  ASSERT_TRUE(bytes.has_value());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes->data()),
                                              static_cast<std::streamsize>(bytes->size()));
}

Pixel AsPixel(COLORREF c) { return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The picture as the picture box shows it on the screen, read in one go.
class ShownPicture {
 public:
  explicit ShownPicture(HWND box) : pixels_(PictureWidth * PictureHeight) {
    POINT origin{0, 0};
    ClientToScreen(box, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), PictureWidth, -PictureHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, PictureWidth, PictureHeight, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    std::copy_n(static_cast<const Pixel*>(bits), pixels_.size(), pixels_.begin());
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }
  bool Is(int x, int y, COLORREF colour) const { return (At(x, y) & 0xFFFFFF) == AsPixel(colour); }
  // How many pixels of the rectangle are neither of the base picture's colours.
  int Changed(const RECT& r) const {
    int changed = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) changed += !Is(x, y, Grey) && !Is(x, y, White);
    }
    return changed;
  }

 private:
  Pixel At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * PictureWidth + x]; }
  std::vector<Pixel> pixels_;
};

class EditingWalk {
 public:
  EditingWalk(const Process& process, HWND main) : process_(process), main_(main), box_(PictureBox(main)) {}

  // The last command has ended and the window is back from its re-show. A composition shows its
  // result while it still lets pending messages run with 画面合成(&S) disabled, and only then
  // enables the menu and hides the window for the re-show: a menu opened on the picture alone
  // may meet the entry disabled and never open, or open over a hidden window.
  bool Idle() const {
    for (const MenuLine& line : ReadMenuBar(main_)) {
      // The window after the menu: a composition enables the one and hides the other in one go.
      if (line.depth == 0 && line.caption == "画面合成(&S)") return !line.grayed && IsWindowVisible(main_);
    }
    return false;
  }
  // Chooses the entry once the program is idle.
  bool ChooseEntry(const std::string& mnemonics) const {
    return WaitUntil([&] { return Idle(); }) && ChooseMenuEntry(main_, mnemonics);
  }
  // Chooses the entry and waits until the window is back and the picture shows `done`.
  bool Choose(const std::string& mnemonics, const std::function<bool(const ShownPicture&)>& done) {
    if (!ChooseEntry(mnemonics)) return false;
    return WaitUntil([&] { return OpenMenuPopups(main_) == 0 && IsWindowVisible(main_) && done(ShownPicture(box_)); });
  }
  bool Restore() {
    return Choose("SM", [](const ShownPicture& p) { return p.Changed({0, 0, PictureWidth, PictureHeight}) == 0; });
  }
  // Arrangement entry `key` of カーソルを並べる: the corners get arrows, the middle stays free.
  bool Arrange(char key, int* changed = nullptr) {
    const bool shown = Choose(std::string("SN") + key, [](const ShownPicture& p) {
      return p.Changed({0, 0, 40, 40}) > 0 && p.Changed({150, 110, 170, 130}) == 0;
    });
    if (changed) *changed = ShownPicture(box_).Changed({0, 0, PictureWidth, PictureHeight});
    return shown;
  }
  std::vector<MenuLine> Menu() const { return ReadMenuBar(main_); }

  const Process& process_;
  HWND main_;
  HWND box_;
};

// The colour dialog is on the screen: its spectrum and colour boxes make its client area many
// colours, not the one of an unpainted window.
bool ColourDialogDrawn(HWND dialog) {
  POINT origin{0, 0};
  ClientToScreen(dialog, &origin);
  RECT client;
  GetClientRect(dialog, &client);
  HDC screen = GetDC(nullptr);
  const COLORREF background = GetPixel(screen, origin.x + 1, origin.y + 1);
  int other = 0;
  for (int y = 0; y < client.bottom; y += 6) {
    for (int x = 0; x < client.right; x += 6) other += GetPixel(screen, origin.x + x, origin.y + y) != background;
  }
  ReleaseDC(nullptr, screen);
  return other > client.right * client.bottom / 36 / 4;
}

// The entry's line, the `occurrence`-th of that caption (ハート is both a figure of the
// arrangement and of the composition).
MenuLine Entry(const std::vector<MenuLine>& menu, const std::string& caption, int occurrence = 0) {
  for (const MenuLine& line : menu) {
    if (line.caption == caption && occurrence-- == 0) return line;
  }
  return {};
}

TEST(Editing, ArrangeComposeClearAndTheChoicesComeBack) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("FP", "100,40,800,640");  // room for the whole picture
  const std::string base = program.Folder() + "BASE.BMP";
  const std::string second = program.Folder() + "SECOND.BMP";
  PixelBuffer picture(PictureWidth, PictureHeight, AsPixel(Grey));
  for (int y = 0; y < PictureHeight; ++y) {
    for (int x = 0; x < PictureWidth; ++x) {
      if (Within(WhiteBlock, x, y) || Within(WhitePatch, x, y)) picture.At(x, y) = AsPixel(White);
    }
  }
  WriteBmp(base, picture);
  WriteBmp(second, PixelBuffer(280, 200, AsPixel(Green)));  // centred: (20, 20)–(300, 220)

  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  ASSERT_NE(main, nullptr);
  LoadPicture(process, main, base);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(SizeBar(main)) == "ＣＧロードサイズ 320, 240" && IsWindowVisible(main); }));
  EditingWalk walk(process, main);

  // Every figure leaves the middle free.
  const char figures[] = {'P', 'O', '3', '4', '5', '6', 'L'};
  for (int shape = 1; shape <= 7; ++shape) {
    SCOPED_TRACE(shape);
    ASSERT_TRUE(walk.Restore());
    ASSERT_TRUE(walk.Arrange(figures[shape - 1]));
    Screenshot("arrange-shape-" + std::to_string(shape));
  }
  int single = 0, dense = 0;
  ASSERT_TRUE(walk.Restore());
  ASSERT_TRUE(walk.Arrange('L', &single));
  ASSERT_TRUE(walk.Restore());
  ASSERT_TRUE(walk.Arrange('D', &dense));  // 倍密度 on, still around the heart
  EXPECT_GT(dense, single);
  Screenshot("arrange-heart-double-density");

  // The second picture, loaded through its own dialog, shows inside the circle, which is inset by
  // an eighth of the working picture: its corners stay grey.
  ASSERT_TRUE(walk.Restore());
  ASSERT_TRUE(walk.ChooseEntry("SGL"));
  AnswerDialogTitled(process, "画面合成ＢＭＰ／ＪＰＧファイルの選択", second);
  ASSERT_TRUE(walk.Choose("SGP", [](const ShownPicture& p) {
    return p.Is(160, 120, Green) && p.Is(45, 35, Grey) && p.Is(5, 5, Grey);
  }));
  Screenshot("compose-circle");
  // On the white parts only, from the base picture: white under the second picture turns green,
  // white beside it black; grey stays grey. After ２倍 that is back at the base picture's size.
  ASSERT_TRUE(WaitUntil([&] { return walk.Idle(); }) && ChooseDouble(main));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(SizeBar(main)) == "ＣＧサイズ 640, 480"; }));
  ASSERT_TRUE(walk.Choose("SGW", [](const ShownPicture& p) {
    return p.Is(160, 120, Green) && p.Is(225, 165, Green) && p.Is(90, 65, Grey) && p.Is(25, 25, Green) &&
           p.Is(15, 15, Black);
  }));
  EXPECT_EQ(WindowText(SizeBar(main)), "ＣＧサイズ 320, 240");
  Screenshot("compose-white");

  // The centre correction moves the second picture 30 left and 15 down, off the white patch.
  ASSERT_TRUE(walk.ChooseEntry("SGE"));
  ASSERT_TRUE(WaitUntil([&] {
    HWND button = FindButton(main, "合成画面中央補正設定");
    return button && IsWindowVisible(button);
  }));
  SendMessageA(SizeBar(main), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("-30 15"));
  ASSERT_TRUE(PressButton(main, "合成画面中央補正設定"));
  EXPECT_TRUE(WaitUntil([&] {
    const ShownPicture p(walk.box_);
    return IsWindowVisible(main) && p.Is(25, 25, Black) && p.Is(160, 120, Green) && p.Is(105, 72, Green);
  }));
  EXPECT_EQ(Entry(walk.Menu(), "中央補正 ( -30, 15 ) (&H)").checked, true);

  // Size step 4 takes effect at the next run only.
  ASSERT_TRUE(walk.ChooseEntry("SS4"));
  ASSERT_TRUE(WaitUntil([&] { return Entry(walk.Menu(), "4 (&4)").checked; }));

  // A colour picked in the system's colour dialog names itself blue-green-red and clears with it.
  ASSERT_TRUE(walk.ChooseEntry("SIE"));
  HWND colours = WaitForSystemDialog(process);
  ASSERT_NE(colours, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ColourDialogDrawn(colours); }));
  EXPECT_TRUE(InsideWorkArea(colours));
  Screenshot("colour-dialog");
  for (const auto& [edit, value] : {std::pair{706, GetRValue(Picked)}, {707, GetGValue(Picked)}, {708, GetBValue(Picked)}}) {
    SetDlgItemInt(colours, edit, value, FALSE);
  }
  PostMessageA(colours, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(colours, IDOK)));
  EXPECT_TRUE(WaitUntil([&] {
    const ShownPicture p(walk.box_);
    return !IsWindow(colours) && IsWindowVisible(main) && p.Is(0, 0, Picked) && p.Is(160, 120, Picked);
  }));
  ASSERT_TRUE(walk.Restore());
  ASSERT_TRUE(walk.Choose("SIC", [](const ShownPicture& p) { return p.Is(319, 239, Picked) && p.Is(20, 20, Picked); }));
  ASSERT_TRUE(walk.ChooseEntry("S"));
  PostMessageA(main, WM_CHAR, 'i', 1);
  ASSERT_TRUE(WaitUntil([&] { return OpenMenuPopups(main) == 2 && MenuPopupDrawn(main); }));
  Screenshot("colour-menu");
  ASSERT_TRUE(CloseMenus(main));
  CloseAndWait(process, main);

  // Every choice comes back at the next start.
  const Process again = program.Start();
  HWND next = StartedMainWindow(again);
  ASSERT_NE(next, nullptr);
  const std::vector<MenuLine> menu = ReadMenuBar(next);
  EXPECT_TRUE(Entry(menu, "ハート (&L)", 0).checked);
  EXPECT_FALSE(Entry(menu, "全面に並べる (&A)").checked);
  EXPECT_TRUE(Entry(menu, "交互に並べるＯＮ (&X)").checked);
  EXPECT_TRUE(Entry(menu, "倍密度で並べるＯＮ (&D)").checked);
  EXPECT_TRUE(Entry(menu, "白色に合成する (&W)").checked);
  EXPECT_TRUE(Entry(menu, "4 (&4)").checked);
  EXPECT_FALSE(Entry(menu, "3 (&3)").checked);
  EXPECT_TRUE(Entry(menu, "中央補正 ( -30, 15 ) (&H)").checked);
  EXPECT_TRUE(Entry(menu, "BGR = [C83C1E]").checked);
  CloseAndWait(again, next);
  EXPECT_EQ(Program::Setting("MyColor"), std::to_string(Picked));
  EXPECT_EQ(Program::Setting("PRILOADPath"), program.Folder());
}

}  // namespace
}  // namespace e2e
