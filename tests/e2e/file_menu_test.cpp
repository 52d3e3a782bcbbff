// The File menu's other places for the picture, seen from outside: picture memory 1, the
// clipboard (its bitmap and its "PNG"), the wallpaper, the paint program (a stand-in built with the
// tests) and the file history with its snapshot and its list file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>

#include "driver.h"
#include "formats/bmp_format.h"
#include "png_files.h"
#include "support/screenshot.h"
#include "window_parts.h"

namespace e2e {
namespace {

// Where the File menu's submenus stand, counted from its first entry.
constexpr int ClipboardMenu = 5;
constexpr int WallpaperMenu = 6;
constexpr int MemoryMenu = 7;

void WriteBmp(const std::string& path, int width, int height, Pixel colour) {
  const auto bytes = EncodeBmp(PixelBuffer(width, height, colour));
  ASSERT_TRUE(bytes.has_value());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes->data()),
                                              static_cast<std::streamsize>(bytes->size()));
}

std::string WindowsFolder() {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\";
}

std::string Wallpaper() {
  char value[MAX_PATH] = {};
  DWORD size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper", RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

// The clipboard's registered "PNG" as the system decodes it; nullopt when there is none.
std::optional<PixelBuffer> ClipboardPng() {
  std::optional<PixelBuffer> picture;
  if (!OpenClipboard(nullptr)) return picture;
  if (HANDLE memory = GetClipboardData(RegisterClipboardFormatA("PNG"))) {
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
    if (bytes) {
      picture = SystemDecoded(std::vector<std::uint8_t>(bytes, bytes + GlobalSize(memory)));
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return picture;
}

// The clipboard holding nothing but this "PNG", as a browser leaves it.
bool PutPngAloneOnClipboard(const std::vector<std::uint8_t>& file) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, file.size());
  std::memcpy(GlobalLock(memory), file.data(), file.size());
  GlobalUnlock(memory);
  const bool put = SetClipboardData(RegisterClipboardFormatA("PNG"), memory) != nullptr;
  CloseClipboard();
  return put;
}

COLORREF PictureBoxPixel(HWND main, int x, int y) {
  POINT at{x, y};
  ClientToScreen(PictureBox(main), &at);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// The red picture A is drawn at the top-left of the picture box.
bool ShowsRedPicture(HWND main) { return PictureBoxPixel(main, 5, 5) == RGB(255, 0, 0); }

// The paint program stand-in where the system registers the paint program's full path (as
// current Windows writes it: an expandable string; here in quotes), for the length of a test.
class RegisteredPaintStandIn {
 public:
  RegisteredPaintStandIn() {
    CreateDirectoryA(folder_.c_str(), nullptr);
    CopyFileA((OwnFolder() + "paint_stand_in.exe").c_str(), path_.c_str(), FALSE);
  }
  ~RegisteredPaintStandIn() {
    ClosePaintProgram();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, Key);
    WaitUntil([this] { return DeleteFileA(path_.c_str()) != FALSE; }, 5000);
    DeleteFileA((path_ + ".started").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  bool Register() const {
    const std::string value = "\"%SystemDrive%\\Program Files\\Paint Stand-in [e2e]\\mspaint.exe\"";
    return FileExists(path_) && RegSetKeyValueA(HKEY_LOCAL_MACHINE, Key, nullptr, REG_EXPAND_SZ, value.c_str(),
                                                static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }
  // The picture file it was last started with; empty when it was not.
  std::string LastOpened() const { return StartedWith(path_); }
  // The started copy's window once it shows what it was given.
  static HWND WaitForWindow(const std::string& title) {
    HWND painter = nullptr;
    const bool shown = WaitUntil([&] {
      painter = FindWindowA("MSPaintApp", nullptr);
      return painter && WindowText(painter) == title;
    });
    EXPECT_TRUE(shown) << (painter ? WindowText(painter) : "no window");
    return shown ? painter : nullptr;
  }
  static void ClosePaintProgram() {
    if (HWND window = FindWindowA("MSPaintApp", nullptr)) SendMessageA(window, WM_CLOSE, 0, 0);
    WaitUntil([] { return FindWindowA("MSPaintApp", nullptr) == nullptr; });
  }
  // The picture file a copy of the stand-in was last started with (each start leaves its
  // command line in "<copy>.started"); empty when it never ran.
  static std::string StartedWith(const std::string& program) {
    std::string log = FileText(program + ".started");
    if (log.ends_with("\r\n")) log.resize(log.size() - 2);
    const std::string line = log.substr(log.rfind('\n') + 1);
    return line.size() >= 2 && line.front() == '"' ? line.substr(1, line.size() - 2) : "";
  }

 private:
  static constexpr const char* Key = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe";
  std::string folder_ = WindowsFolder().substr(0, 3) + "Program Files\\Paint Stand-in [e2e]";
  std::string path_ = folder_ + "\\mspaint.exe";
};

// Ctrl+S, as the user saves in the paint program, once its picture has the keyboard: the
// paint program in front, its picture focused. Wine sets its keyboard state to the X keyboard's
// when the window's X focus comes, and that can take back a Ctrl sent a moment before: the S then
// comes alone (the title shows it), and the user presses Ctrl+S again.
testing::AssertionResult SaveInPaintProgram(HWND painter) {
  HWND view = GetTopWindow(painter);
  const RECT r = WindowRect(view);
  ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  if (!WaitUntil([&] { return GetForegroundWindow() == painter && FocusedWindow(painter) == view; })) {
    return testing::AssertionFailure() << "the paint program's picture does not have the keyboard; in front: "
                                       << WindowText(GetForegroundWindow());
  }
  // The S keys that came alone: the stand-in's title lists the keys it took before " opened:".
  const auto lonelyKeys = [&] {
    const std::string title = WindowText(painter);
    const std::string keys = title.substr(0, title.find(" opened:"));
    return std::count(keys.begin(), keys.end(), 'S');
  };
  for (int attempt = 0; attempt < 3; ++attempt) {
    const auto before = lonelyKeys();
    PressKey('S', {VK_CONTROL});
    const auto saved = [&] { return WindowText(painter).ends_with(" saved:7x5"); };
    WaitUntil([&] { return saved() || lonelyKeys() > before; });
    if (saved()) return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "not saved: " << WindowText(painter);
}

class FileMenuWalk {
 public:
  explicit FileMenuWalk(HWND main) : main_(main), sizeBar_(SizeBar(main)) {}

  bool OpenSubmenu(int position) const { return OpenFileSubmenu(main_, position); }
  bool ChooseInSubmenu(int position, char mnemonic) const { return ChooseInFileSubmenu(main_, position, mnemonic); }
  bool Shows(const std::string& sizeText) const {
    return WaitUntil([&] { return WindowText(sizeBar_) == sizeText && IsWindowVisible(main_); });
  }
  // ２倍, the first entry of 画面合成(&S), once the command before it has returned: a memory's file
  // is on the disk before its handler is done with the window.
  bool Double(const std::string& size) const {
    return WaitForMessageLoop(main_) && ChooseDouble(main_) &&
           WaitUntil([&] { return WindowText(sizeBar_).ends_with(size); });
  }

 private:
  HWND main_;
  HWND sizeBar_;
};

TEST(FileMenu, MemoryClipboardWallpaperPaintProgramAndHistory) {
  const RegisteredPaintStandIn paint;
  Program program;
  Program::SetSetting("Version", "17");
  // A comes from a folder of downloads, beside a program named as the paint program, which
  // leaves a mark when it runs.
  const std::string downloads = program.Folder() + "Downloads (new) [1]\\";
  ASSERT_TRUE(CreateDirectoryA(downloads.c_str(), nullptr));
  const std::string planted = downloads + "MSPAINT.EXE";
  ASSERT_TRUE(CopyFileA((OwnFolder() + "paint_stand_in.exe").c_str(), planted.c_str(), FALSE));
  const std::string a = downloads + "PICTURE A.BMP";
  // B is a PNG whose left half is transparent: it shows the clear colour (イチゴミルク) there.
  const std::string b = program.Folder() + "PICTURE B.PNG";
  WriteBmp(a, 64, 48, MakePixel(255, 0, 0));
  std::vector<std::uint32_t> halfClear(32 * 32, 0xFF0000FF);
  for (int y = 0; y < 32; ++y) std::fill_n(halfClear.begin() + y * 32, 16, 0x0000FF00);
  WriteBytes(b, RgbaPngFile(32, 32, halfClear));
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  ASSERT_NE(main, nullptr);
  const FileMenuWalk walk(main);
  // The user goes to that folder in the load dialog and opens A there.
  ASSERT_TRUE(ChooseMenuEntry(main, "FL"));
  HWND dialog = WaitForSystemDialog(process);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(OpenFolderInFileDialog(dialog, downloads));
  ASSERT_TRUE(AnswerFileDialog(dialog, "PICTURE A.BMP"));
  ASSERT_TRUE(walk.Shows("ＣＧロードサイズ 64, 48"));

  // Memory 1 gives back what it kept.
  ASSERT_TRUE(walk.ChooseInSubmenu(MemoryMenu, 'W'));
  ASSERT_TRUE(WaitUntil([&] { return FileExists(program.Folder() + "PKT_M1$$.BMP"); }));
  ASSERT_TRUE(walk.Double("128, 96"));
  ASSERT_TRUE(walk.ChooseInSubmenu(MemoryMenu, 'R'));
  EXPECT_TRUE(walk.Shows("ＢＭＰロードサイズ 64, 48"));
  // A damaged memory costs nothing: the picture stays on the screen and the user is told.
  std::ofstream(program.Folder() + "PKT_M2$$.BMP", std::ios::binary) << "BM damaged";
  ASSERT_TRUE(walk.ChooseInSubmenu(MemoryMenu, 'M'));
  HWND box = FindMessageBox(process);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・");
  PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) && IsWindowVisible(main) && ShowsRedPicture(main); }));

  // The clipboard takes the picture, as a bitmap and as a "PNG", and gives it back.
  ASSERT_TRUE(walk.Double("128, 96"));
  ASSERT_TRUE(walk.ChooseInSubmenu(ClipboardMenu, 'U'));
  EXPECT_TRUE(WaitUntil([] { return ClipboardPictureSize() == "128x96"; }));
  const auto copied = ClipboardPng();
  ASSERT_TRUE(copied);
  EXPECT_TRUE(*copied == PixelBuffer(128, 96, MakePixel(255, 0, 0)));
  ASSERT_TRUE(walk.Double("256, 192"));
  ASSERT_TRUE(walk.ChooseInSubmenu(ClipboardMenu, 'D'));
  EXPECT_TRUE(walk.Shows("ＢＭＰロードサイズ 128, 96"));

  // The wallpaper: set through its work file, loaded back, removed.
  const std::string wallpaper = WindowsFolder() + "WALLPK$$.BMP";
  ASSERT_TRUE(walk.ChooseInSubmenu(WallpaperMenu, 'P'));
  EXPECT_TRUE(WaitUntil([&] { return Wallpaper() == wallpaper && FileExists(wallpaper); })) << Wallpaper();
  ASSERT_TRUE(walk.Double("256, 192"));
  ASSERT_TRUE(walk.ChooseInSubmenu(WallpaperMenu, 'G'));
  EXPECT_TRUE(walk.Shows("ＢＭＰロードサイズ 128, 96"));
  ASSERT_TRUE(walk.ChooseInSubmenu(WallpaperMenu, 'N'));
  EXPECT_TRUE(WaitUntil([] { return Wallpaper().empty(); }));
  ASSERT_TRUE(walk.OpenSubmenu(WallpaperMenu));
  ASSERT_TRUE(WaitUntil([&] { return MenuPopupDrawn(main); }));
  for (const MenuLine& line : ReadMenuBar(main)) {
    if (line.caption == "壁紙ロード(&G)" || line.caption == "壁紙（なし） (&N)") {
      EXPECT_TRUE(line.grayed) << line.caption;
    }
    if (line.caption == "壁紙張り付け(&P)") {
      EXPECT_FALSE(line.grayed);
    }
  }
  Screenshot("file-menu-wallpaper");
  ASSERT_TRUE(CloseMenus(main));
  // Current Windows often keeps the wallpaper as a PNG; it loads as well (the same picture again).
  const std::string pngWallpaper = program.Folder() + "WALLPAPER.PNG";
  WriteBytes(pngWallpaper, RgbaPngFile(128, 96, std::vector<std::uint32_t>(128 * 96, 0xFFFF0000)));
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper", REG_SZ, pngWallpaper.c_str(),
                            static_cast<DWORD>(pngWallpaper.size() + 1)),
            ERROR_SUCCESS);
  ASSERT_TRUE(walk.Double("256, 192"));
  ASSERT_TRUE(walk.ChooseInSubmenu(WallpaperMenu, 'G'));
  EXPECT_TRUE(walk.Shows("ＢＭＰロードサイズ 128, 96"));
  EXPECT_TRUE(WaitUntil([&] { return ShowsRedPicture(main); }));
  RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper", REG_SZ, "", 1);

  // No paint program in the fixed places and none registered: the user is told, and the program
  // of that name in the folder the picture came from (the current folder now) does not run.
  ASSERT_TRUE(ChooseMenuEntry(main, "FE"));
  box = FindMessageBox(process);
  EXPECT_FALSE(FileExists(planted + ".started"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "エラー： 画像加工ソフト起動に失敗しました・・・");
  PressOk(box);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  // The registered paint program opens the picture from a hand-over file of its own, with the
  // picture on the clipboard too.
  ASSERT_TRUE(paint.Register());
  ASSERT_TRUE(ChooseMenuEntry(main, "FE"));
  HWND painter = RegisteredPaintStandIn::WaitForWindow("keys: opened:128x96 clipboard:128x96");
  ASSERT_NE(painter, nullptr);
  Screenshot("paint-program-opened");
  const std::string saved = paint.LastOpened();
  // The user saves over it in the paint program; the next start hands over another file and
  // leaves what the user saved as it is, after the program has closed too.
  ASSERT_TRUE(SaveInPaintProgram(painter));
  const std::string savedPicture = FileText(saved);
  EXPECT_EQ(savedPicture.size(), 54u + 24 * 5);  // the stand-in's 7 × 5 picture
  RegisteredPaintStandIn::ClosePaintProgram();
  ASSERT_TRUE(walk.Double("256, 192"));
  ASSERT_TRUE(ChooseMenuEntry(main, "FE"));
  ASSERT_NE(RegisteredPaintStandIn::WaitForWindow("keys: opened:256x192 clipboard:256x192"), nullptr);
  const std::string handedOver = paint.LastOpened();
  EXPECT_NE(handedOver, saved);
  EXPECT_EQ(FileText(saved), savedPicture);
  RegisteredPaintStandIn::ClosePaintProgram();
  EXPECT_FALSE(FileExists(planted + ".started"));

  // A "PNG" alone, as browsers copy pictures, is loaded too: the entry is open for it.
  ASSERT_TRUE(PutPngAloneOnClipboard(RgbaPngFile(40, 30, std::vector<std::uint32_t>(40 * 30, 0xFFFF0000))));
  ASSERT_TRUE(walk.ChooseInSubmenu(ClipboardMenu, 'D'));
  EXPECT_TRUE(walk.Shows("ＢＭＰロードサイズ 40, 30"));
  EXPECT_TRUE(WaitUntil([&] { return ShowsRedPicture(main); }));

  // Menu loads go to the top of the history, a name equal but for case only once.
  LoadPicture(process, main, b);
  ASSERT_TRUE(walk.Shows("ＣＧロードサイズ 32, 32"));
  EXPECT_TRUE(WaitUntil([&] {
    return PictureBoxPixel(main, 5, 5) == RGB(255, 240, 230) && PictureBoxPixel(main, 25, 5) == RGB(0, 0, 255);
  }));
  Screenshot("png-over-clear-colour");
  std::string lowerA = a;
  for (char& c : lowerA) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  LoadPicture(process, main, lowerA);
  ASSERT_TRUE(walk.Shows("ＣＧロードサイズ 64, 48"));

  // The panel keeps the picture of the moment it opened for 戻す.
  ASSERT_TRUE(ChooseMenuEntry(main, "FH"));
  EXPECT_TRUE(WaitUntil([&] {
    HWND close = FindButton(main, "閉じる");
    return close && IsWindowVisible(close) && FileExists(program.Folder() + "PKT_M0$$.BMP") &&
           ShowsRedPicture(main);
  }));
  Screenshot("file-history-panel");
  ASSERT_TRUE(walk.Double("128, 96"));
  ASSERT_TRUE(PressButton(main, "戻す"));
  EXPECT_TRUE(walk.Shows("ＣＧロードサイズ 64, 48"));
  ASSERT_TRUE(PressButton(main, "閉じる"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(FindButton(main, "閉じる")); }));

  CloseAndWait(process, main);
  EXPECT_EQ(FileText(program.Folder() + "PIKTO_HS.LST"), lowerA + "\r\n" + b + "\r\n");
  // The hand-over that served has gone; the one the user saved over stays theirs.
  EXPECT_FALSE(FileExists(handedOver));
  EXPECT_EQ(FileText(saved), savedPicture);
  DeleteFileA(saved.c_str());
}

}  // namespace
}  // namespace e2e
