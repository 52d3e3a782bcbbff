// Saving the captured picture as BMP, PNG and JPEG through the real file dialogs, and loading the
// files back; a damaged file is reported and the program goes on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <vector>

#include "driver.h"
#include "png_files.h"
#include "window_parts.h"
#include "support/screenshot.h"
// After <windows.h>, which driver.h brings.
#include <commctrl.h>
#include <shlobj.h>

namespace e2e {
namespace {

constexpr int PreviewPane = 0x4A1;
constexpr int FileTypeCombo = 0x470;  // cmb1
constexpr std::array<std::uint8_t, 2> ProgressiveFrame{0xFF, 0xC2};  // SOF2

// Opens the File menu and chooses the entry with this mnemonic.
void ChooseFileEntry(HWND main, char mnemonic) { ASSERT_TRUE(ChooseMenuEntry(main, std::string("F") + mnemonic)); }

std::vector<std::uint8_t> FirstBytes(const std::string& path, std::size_t count) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes(count);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

// A program that has just captured the whole screen.
HWND CapturedMainWindow(const Process& process) {
  HWND main = StartedMainWindow(process);
  EXPECT_TRUE(WaitUntil([&] {
    return WindowText(SizeBar(main)) == WholeScreenCaptureText() && IsWindowVisible(main);
  }));
  return main;
}

// Whether the File menu, once opened, offers ＢＭＰセーブ and ＪＰＧセーブ.
std::vector<bool> SaveEntriesEnabled(HWND main) {
  std::vector<bool> enabled;
  if (!OpenBarMenu(main, 'F')) return enabled;
  for (const MenuLine& line : ReadMenuBar(main)) {
    if (line.caption == "ＢＭＰセーブ (&S)" || line.caption == "ＪＰＧセーブ (&J)") enabled.push_back(!line.grayed);
  }
  CloseMenus(main);
  return enabled;
}

void Save(const Process& process, HWND main, char mnemonic, const std::string& title, const std::string& file) {
  ChooseFileEntry(main, mnemonic);
  HWND dialog = WaitForSystemDialog(process);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(dialog), title);
  ASSERT_TRUE(AnswerFileDialog(dialog, file));
  EXPECT_TRUE(WaitUntil([&] { return FileExists(file); })) << file;
}

// The dialog's file types (their texts cross processes as UTF-16, and come back as Shift-JIS
// here), and the one named chosen as a user picks it from the list.
std::vector<std::string> FileTypes(HWND dialog) {
  std::vector<std::string> types;
  HWND combo = GetDlgItem(dialog, FileTypeCombo);
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 256) {
      SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    }
    char bytes[512] = {};
    WideCharToMultiByte(932, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    types.emplace_back(bytes);
  }
  return types;
}

bool ChooseFileType(HWND dialog, const std::string& type) {
  const std::vector<std::string> types = FileTypes(dialog);
  const auto found = std::find(types.begin(), types.end(), type);
  if (found == types.end()) return false;
  HWND combo = GetDlgItem(dialog, FileTypeCombo);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found - types.begin()), 0);
  // As the list tells its dialog when a user picks an entry.
  for (const WORD notification : {CBN_SELCHANGE, CBN_SELENDOK}) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(FileTypeCombo, notification), reinterpret_cast<LPARAM>(combo));
  }
  return true;
}

// Drops the file on the window as the shell hands a drop over: a DROPFILES block in the
// receiving process's memory, posted as WM_DROPFILES.
bool DropFile(const Process& process, HWND window, const std::string& file) {
  std::vector<char> block(sizeof(DROPFILES) + file.size() + 2, '\0');
  auto* header = reinterpret_cast<DROPFILES*>(block.data());
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  std::copy(file.begin(), file.end(), block.begin() + sizeof(DROPFILES));
  HANDLE target = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process.Id());
  if (!target) return false;
  void* remote = VirtualAllocEx(target, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  const bool written = remote && WriteProcessMemory(target, remote, block.data(), block.size(), nullptr);
  CloseHandle(target);
  return written && PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

// How many of the pane's inner pixels on screen differ from the empty pane's colour.
int PaintedPixels(HWND pane) {
  const RECT r = WindowRect(pane);
  HDC screen = GetDC(nullptr);
  const COLORREF empty = GetPixel(screen, r.left + 1, r.top + 1);
  int painted = 0;
  for (int y = r.top + 2; y < r.bottom - 2; y += 4) {
    for (int x = r.left + 2; x < r.right - 2; x += 4) painted += GetPixel(screen, x, y) != empty;
  }
  ReleaseDC(nullptr, screen);
  return painted;
}

HWND FileList(HWND dialog) {
  for (HWND child : Descendants(dialog)) {
    if (ClassOf(child) == "SysListView32") return child;
  }
  return nullptr;
}

TEST(Files, SavedPicturesLoadBackAtTheirSize) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "0");
  const Process process = program.Start({"/G"});
  HWND main = CapturedMainWindow(process);
  HWND sizeBar = SizeBar(main);
  const std::string bmp = program.Folder() + "SHOT.BMP";
  const std::string jpeg = program.Folder() + "SHOT.JPG";
  EXPECT_EQ(SaveEntriesEnabled(main), (std::vector<bool>{true, true}));

  Save(process, main, 'S', "ＢＭＰセーブファイル作成", bmp);
  EXPECT_TRUE(WaitUntil([&] { return FirstBytes(bmp, 2) == std::vector<std::uint8_t>{'B', 'M'}; }));
  // The same dialog's PNG type: a name without an extension gets .PNG, and the file holds the
  // same pixels as the BMP, as the system's own decoder reads them.
  ChooseFileEntry(main, 'S');
  HWND saveDialog = WaitForSystemDialog(process);
  ASSERT_NE(saveDialog, nullptr);
  EXPECT_EQ(FileTypes(saveDialog),
            (std::vector<std::string>{"ＢＭＰ files (*.BMP)", "ＰＮＧ files (*.PNG)", "ALL files (*.*)"}));
  ASSERT_TRUE(ChooseFileType(saveDialog, "ＰＮＧ files (*.PNG)"));
  ASSERT_TRUE(AnswerFileDialog(saveDialog, program.Folder() + "SHOT2"));
  const std::string png = program.Folder() + "SHOT2.PNG";
  EXPECT_TRUE(WaitUntil([&] { return FirstBytes(png, 4) == std::vector<std::uint8_t>{0x89, 'P', 'N', 'G'}; }));
  const auto fromPng = SystemDecodedFile(png);
  const auto fromBmp = SystemDecodedFile(bmp);
  ASSERT_TRUE(fromPng && fromBmp);
  EXPECT_EQ(fromPng->width, ScreenWidth());
  EXPECT_TRUE(*fromPng == *fromBmp);
  // インターネット圧縮 on: a progressive file.
  ChooseFileEntry(main, 'O');
  ASSERT_TRUE(WaitUntil([&] { return OpenMenuPopups(main) == 2; }));  // the submenu opens
  PostMessageA(main, WM_KEYDOWN, 'P', 1);
  PostMessageA(main, WM_CHAR, 'p', 1);
  ASSERT_TRUE(CloseMenus(main));
  Save(process, main, 'J', "ＪＰＧセーブファイル作成", jpeg);
  EXPECT_TRUE(WaitUntil([&] {
    const auto bytes = FirstBytes(jpeg, 4096);
    return bytes.size() > 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 &&
           std::search(bytes.begin(), bytes.end(), ProgressiveFrame.begin(), ProgressiveFrame.end()) != bytes.end();
  }));

  // The open dialog's pane previews the file clicked in its list.
  ChooseFileEntry(main, 'L');
  HWND dialog = WaitForSystemDialog(process);
  ASSERT_NE(dialog, nullptr);
  HWND pane = nullptr;
  for (HWND child : Descendants(dialog)) {
    if (GetDlgCtrlID(child) == PreviewPane) pane = child;
  }
  ASSERT_NE(pane, nullptr);
  HWND list = FileList(dialog);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) > 0; }));  // the list fills itself
  // Empty until a file is clicked; waiting for that also waits until the dialog is drawn.
  EXPECT_TRUE(WaitUntil([&] { return PaintedPixels(pane) == 0; }));
  const RECT listRect = WindowRect(list);
  ClickAt(listRect.left + 30, listRect.top + 10);
  EXPECT_TRUE(WaitUntil([&] { return PaintedPixels(pane) > 20; }));
  Screenshot("open-picture-dialog");
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

  for (const std::string& file : {bmp, jpeg, png}) {
    SendMessageA(sizeBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    if (file == png) {
      // Through the load dialog's PNG type, which lists the PNG file alone.
      ChooseFileEntry(main, 'L');
      HWND loadDialog = WaitForSystemDialog(process);
      ASSERT_NE(loadDialog, nullptr);
      const std::vector<std::string> types = FileTypes(loadDialog);
      ASSERT_GE(types.size(), 2u);
      EXPECT_EQ(types[types.size() - 2], "ＰＮＧ files (*.PNG)");
      EXPECT_EQ(types.back(), "ALL files (*.*)");
      ASSERT_TRUE(ChooseFileType(loadDialog, "ＰＮＧ files (*.PNG)"));
      HWND files = FileList(loadDialog);
      EXPECT_TRUE(WaitUntil([&] { return SendMessageA(files, LVM_GETITEMCOUNT, 0, 0) == 1; }));
      Screenshot("open-picture-dialog-png");
      ASSERT_TRUE(AnswerFileDialog(loadDialog, file));
    } else {
      LoadPicture(process, main, file);
    }
    const std::string loaded = "ＣＧロードサイズ " + std::to_string(ScreenWidth()) + ", " + std::to_string(ScreenHeight());
    EXPECT_TRUE(WaitUntil([&] { return WindowText(sizeBar) == loaded && IsWindowVisible(main); }))
        << file << ": " << WindowText(sizeBar);
  }
  CloseAndWait(process, main);
  // The folders chosen are remembered for the next run.
  EXPECT_EQ(Program::Setting("SavePath"), program.Folder());
  EXPECT_EQ(Program::Setting("JPG_SavePath"), program.Folder());
  EXPECT_EQ(Program::Setting("LOADPath"), program.Folder());
  EXPECT_EQ(Program::Setting("JPG_INTERNET"), "1");
}

// ２倍; true when the picture grew.
bool DoublePicture(HWND main, HWND sizeBar) {
  const std::string before = WindowText(sizeBar);
  return ChooseDouble(main) && WaitUntil([&] { return WindowText(sizeBar) != before; }, 3000);
}

TEST(Files, TheLargestPictureDoublingMakesLoadsBack) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "0");
  const Process process = program.Start({"/G"});
  HWND main = CapturedMainWindow(process);
  HWND sizeBar = SizeBar(main);
  int doublings = 0;
  while (doublings < 8 && DoublePicture(main, sizeBar)) ++doublings;
  ASSERT_GE(doublings, 2) << WindowText(sizeBar);
  ASSERT_TRUE(CloseMenus(main));
  const std::string doubled = WindowText(sizeBar);  // "ＣＧサイズ W, H"
  const std::string size = doubled.substr(doubled.find(' ') + 1);

  const std::string bmp = program.Folder() + "LARGE.BMP";
  Save(process, main, 'S', "ＢＭＰセーブファイル作成", bmp);
  SendMessageA(sizeBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  LoadPicture(process, main, bmp);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(sizeBar) == "ＣＧロードサイズ " + size && IsWindowVisible(main); },
                        60000))
      << WindowText(sizeBar);
  EXPECT_EQ(FindMessageBox(process, 0), nullptr);
  CloseAndWait(process, main);
  DeleteFileA(bmp.c_str());
}

TEST(Files, ADamagedFileIsReportedAndTheProgramGoesOn) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  const std::string damaged = program.Folder() + "DAMAGED.BMP";
  std::ofstream(damaged, std::ios::binary) << "BM this is no picture";
  // Nothing to save yet.
  EXPECT_EQ(SaveEntriesEnabled(main), (std::vector<bool>{false, false}));

  LoadPicture(process, main, damaged);
  HWND box = FindMessageBox(process);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・");
  PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  EXPECT_TRUE(process.Running());

  // A PNG dropped on the window loads.
  const std::string png = program.Folder() + "DROPPED.PNG";
  WriteBytes(png, RgbaPngFile(24, 20, std::vector<std::uint32_t>(24 * 20, 0xFF00FF00)));
  ASSERT_TRUE(DropFile(process, main, png));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(SizeBar(main)) == "ＣＧロードサイズ 24, 20" && IsWindowVisible(main); }))
      << WindowText(SizeBar(main));
  CloseAndWait(process, main);
}

}  // namespace
}  // namespace e2e
