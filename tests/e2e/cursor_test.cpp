// The cursor bar seen from outside: the cursor after start-up, the pointer scheme, a cursor and
// an animation chosen through the real dialog, the history kept across runs, stamping into the
// picture and the cursor drawn into a capture.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "support/cursor_file_builder.h"
#include "driver.h"
#include "support/screenshot.h"
#include "window_parts.h"

namespace e2e {
namespace {

constexpr const char* SchemeKey = "Control Panel\\Cursors";

using namespace cursor_test;

// A 4-bit cursor or icon of one opaque colour.
Bytes OneColour(int type, int side, Pixel colour, std::uint16_t hotX = 0, std::uint16_t hotY = 0) {
  const auto edge = static_cast<std::uint8_t>(side);
  return IconDirectory(static_cast<std::uint16_t>(type), {{PlainEntry(side, side, 4, 1, {0, colour}), hotX, hotY, edge, edge}});
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

// The four picture lists of the cursor bar, left to right: image list, scheme, system, arrow.
std::vector<HWND> PictureLists(HWND main) {
  std::vector<HWND> lists;
  HWND history = nullptr;
  for (HWND child : Descendants(main)) {
    if (ClassOf(child) != "ComboBox") continue;
    if (!history && WindowRect(child).left < WindowRect(main).left + 10) {
      history = child;  // ComboBox_Icon_File lies at the left of the size bar
      continue;
    }
    lists.push_back(child);
  }
  std::sort(lists.begin(), lists.end(), [](HWND a, HWND b) { return WindowRect(a).left < WindowRect(b).left; });
  return lists;
}

HWND HistoryList(HWND main) {
  for (HWND child : Descendants(main)) {
    if (ClassOf(child) == "ComboBox" && WindowRect(child).left < WindowRect(main).left + 10) return child;
  }
  return nullptr;
}

int Count(HWND list) { return static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)); }

SIZE PreviewSize(HWND main) {
  const RECT r = WindowRect(ChildOfClass(main, "TImage"));
  return {r.right - r.left, r.bottom - r.top};
}

// The hot-spot labels Label_IX and Label_IY, as they read.
std::string HotSpotText(HWND main) {
  std::vector<HWND> labels;
  for (HWND child : Descendants(main)) {
    const std::string text = WindowText(child);
    if (ClassOf(child) == "Static" && !text.empty() && std::all_of(text.begin(), text.end(), ::isdigit)) {
      labels.push_back(child);
    }
  }
  std::sort(labels.begin(), labels.end(), [](HWND a, HWND b) { return WindowRect(a).top < WindowRect(b).top; });
  return labels.size() < 2 ? "" : WindowText(labels[0]) + "," + WindowText(labels[1]);
}

// The items draw themselves in the program; painted before a picture is taken.
void PaintDroppedLists(const Process& process, HWND main) {
  for (HWND window : TopLevelWindows(process.Id())) {
    if (ClassOf(window) == "ComboLBox" && IsWindowVisible(window)) UpdateWindow(window);
  }
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ChooseInList(HWND list, int index) {
  SendMessageA(list, CB_SETCURSEL, index, 0);
  SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

void ChooseCursorFile(const Process& process, HWND main, const std::string& file) {
  ASSERT_TRUE(PressButton(main, "ｶｰｿﾙﾛｰﾄﾞ"));
  AnswerDialogTitled(process, "カーソルの選択", file);
}

// A point of the shown picture (scrolled to its top-left) on the screen.
POINT OnScreen(HWND pictureBox, int x, int y) {
  POINT at{x, y};
  ClientToScreen(pictureBox, &at);
  return at;
}

void Click(HWND pictureBox, UINT down, UINT up, int x, int y) {
  PostMessageA(pictureBox, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(x, y));
  PostMessageA(pictureBox, up, 0, MAKELPARAM(x, y));
}

// A role of the user's pointer scheme, of the type the system gives it, removed afterwards.
class SchemeValue {
 public:
  SchemeValue(const char* name, DWORD type, const std::string& value) : name_(name) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, SchemeKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
  SchemeValue(const SchemeValue&) = delete;
  SchemeValue& operator=(const SchemeValue&) = delete;
  ~SchemeValue() { RegDeleteKeyValueA(HKEY_CURRENT_USER, SchemeKey, name_); }

 private:
  const char* name_;
};

TEST(Cursors, ChosenCursorsListsHistoryStampsAndTheCapture) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("GType", "0");
  Program::SetSetting("AUTO_IN", "1");
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  CreateDirectoryA((std::string(windows) + "\\cursors").c_str(), nullptr);
  WriteFile(std::string(windows) + "\\cursors\\piko_e2e.cur", OneColour(2, 16, MakePixel(0, 0, 255), 2, 3));
  // Current systems write the scheme's paths as expandable strings.
  const SchemeValue arrow("Arrow", REG_EXPAND_SZ, "%SystemRoot%\\cursors\\piko_e2e.cur");
  char profile[MAX_PATH] = {};
  GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
  const std::string helpFile = std::string(profile) + "\\piko e2e (1).cur";
  WriteFile(helpFile, OneColour(2, 24, MakePixel(0, 160, 0), 5, 6));
  const SchemeValue help("Help", REG_EXPAND_SZ, "%USERPROFILE%\\piko e2e (1).cur");
  const SchemeValue wait("Wait", REG_SZ, "%SystemRoot%\\cursors\\piko_e2e.cur");
  const std::string animation = program.Folder() + "six.ani";
  const std::string red = program.Folder() + "red.cur";
  std::vector<Bytes> frames;
  for (int i = 0; i < 6; ++i) frames.push_back(OneColour(1, 32, MakePixel(40 * i, 255 - 40 * i, 0)));
  WriteFile(animation, Animation(frames));
  WriteFile(red, OneColour(2, 16, MakePixel(255, 0, 0), 4, 5));

  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  ASSERT_NE(main, nullptr);
  // The small arrow is current; the scheme's file loaded without complaint.
  EXPECT_EQ(PreviewSize(main).cx, 32);
  EXPECT_EQ(HotSpotText(main), "0,0");
  EXPECT_EQ(FindMessageBox(process, 0), nullptr);
  const std::vector<HWND> lists = PictureLists(main);
  ASSERT_EQ(lists.size(), 4u);
  EXPECT_EQ(Count(lists[0]), 0);
  EXPECT_EQ(Count(lists[1]), 14);
  EXPECT_EQ(Count(lists[2]), 22);
  EXPECT_EQ(Count(lists[3]), 3);
  const struct {
    int role;
    int side;
    const char* hotSpot;
  } roles[] = {{0, 16, "2,3"}, {1, 24, "5,6"}, {3, 16, "2,3"}};
  for (const auto& role : roles) {
    ChooseInList(lists[1], role.role);
    EXPECT_TRUE(WaitUntil([&] { return PreviewSize(main).cx == role.side && HotSpotText(main) == role.hotSpot; }))
        << role.role << ": " << PreviewSize(main).cx << " " << HotSpotText(main);
  }

  // An animation fills the image list; a single cursor afterwards leaves it.
  ChooseCursorFile(process, main, animation);
  EXPECT_TRUE(WaitUntil([&] { return Count(lists[0]) == 6 && PreviewSize(main).cx == 32; }));
  ChooseCursorFile(process, main, red);
  EXPECT_TRUE(WaitUntil([&] { return PreviewSize(main).cx == 16 && HotSpotText(main) == "4,5"; }));
  EXPECT_EQ(Count(lists[0]), 6);
  for (int i = 0; i < 4; ++i) {
    HWND list = lists[static_cast<std::size_t>(i)];
    SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }));
    PaintDroppedLists(process, main);
    Screenshot("cursor-list-" + std::to_string(i));
    SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);
  }

  // A capture with the pointer switch on draws the red cursor where the pointer stands.
  SetCursorPos(40, 40);
  ASSERT_TRUE(PressButton(main, "取り込み(&G)"));
  HWND box = PictureBox(main);
  EXPECT_TRUE(WaitUntil([&] {
    return WindowText(SizeBar(main)) == WholeScreenCaptureText() && IsWindowVisible(main);
  }));
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(OnScreen(box, 40 - 4 + 8, 40 - 5 + 8)) == RGB(255, 0, 0); }));
  Screenshot("capture-with-red-cursor");

  // A left click stamps with the hot spot on the pixel; a right click there erases it.
  const POINT probe = OnScreen(box, 200 - 4 + 8, 100 - 5 + 8);
  const COLORREF before = ScreenPixel(probe);
  ASSERT_NE(before, RGB(255, 0, 0));
  Click(box, WM_LBUTTONDOWN, WM_LBUTTONUP, 200, 100);
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(probe) == RGB(255, 0, 0); }));
  Screenshot("cursor-stamped");
  Click(box, WM_RBUTTONDOWN, WM_RBUTTONUP, 200, 100);
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(probe) == before; }));

  CloseAndWait(process, main);
  EXPECT_EQ(FileText(program.Folder() + "PIKTO_I0.LST"), red + "\r\n" + animation + "\r\n");

  // The next run reads the history back.
  const Process again = program.Start();
  HWND second = StartedMainWindow(again);
  ASSERT_NE(second, nullptr);
  HWND history = HistoryList(second);
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(Count(history), 2);
  for (HWND button : Descendants(second)) {
    if (ClassOf(button) == "TColorBtn" && WindowText(button) == "ｶｰｿﾙﾛｰﾄﾞ") {
      PostMessageA(button, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    }
  }
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(history, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }));
  PaintDroppedLists(again, second);
  Screenshot("cursor-history");
  SendMessageA(history, CB_SHOWDROPDOWN, FALSE, 0);
  CloseAndWait(again, second);
  DeleteFileA((std::string(windows) + "\\cursors\\piko_e2e.cur").c_str());
  DeleteFileA(helpFile.c_str());
}

}  // namespace
}  // namespace e2e
