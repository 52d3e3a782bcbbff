// The main window's two layouts and the top-most switch, seen from outside.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver.h"
#include "layout_checks.h"
#include "support/screenshot.h"
#include "window_parts.h"

namespace e2e {
namespace {

// A child control found by class and text, with its bounds in the main window's client area.
struct Control {
  HWND window = nullptr;
  RECT client{};
  bool visible = false;
};

Control Find(HWND main, const char* className, const std::string& text) {
  for (HWND child : Descendants(main)) {
    if (ClassOf(child) != className || (!text.empty() && WindowText(child) != text)) continue;
    Control c{child, WindowRect(child), IsWindowVisible(child) != FALSE};
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&c.client), 2);
    if (c.visible || text.empty()) return c;
  }
  return {};
}

// Both check boxes carry the caption "TOPにする"; the one shown belongs to the layout.
std::vector<HWND> TopMostBoxes(HWND main) {
  std::vector<HWND> boxes;
  for (HWND child : Descendants(main)) {
    if (ClassOf(child) == "Button" && WindowText(child) == "TOPにする") boxes.push_back(child);
  }
  return boxes;
}

// The height of one line of the control's text in its font.
LONG LineHeight(HWND main, HWND control) {
  for (const TextRoom& t : MeasureTexts(main)) {
    if (t.control == control) return t.needed.cy;
  }
  return 0;
}

bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

using Faults = std::vector<std::string>;

// Every text shows whole and no control lies over another.
void ExpectTidy(HWND main, const char* where) {
  EXPECT_EQ(TextsThatDoNotFit(main), Faults{}) << where;
  EXPECT_EQ(OverlappingSiblings(main), Faults{}) << where;
}

TEST(MainWindowLayout, FullLayoutShowsTheCursorBar) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  const Control edit = Find(main, "Edit", "");
  const Control load = Find(main, "TColorBtn", "ｶｰｿﾙﾛｰﾄﾞ");
  ASSERT_TRUE(edit.window && load.visible);
  EXPECT_EQ(edit.client.left, load.client.right + 8);
  // TOPにする at (8, 40), 97 × 17, or as high as a line of its font where that is more; the top
  // panel is the box's top + its height + size bar + 8 high.
  const Control topMost = Find(main, "Button", "TOPにする");
  EXPECT_EQ(topMost.client.left, 8);
  EXPECT_EQ(topMost.client.top, 40);
  EXPECT_EQ(topMost.client.right - topMost.client.left, 97);
  EXPECT_EQ(topMost.client.bottom - topMost.client.top, std::max(17L, LineHeight(main, topMost.window)));
  EXPECT_EQ(edit.client.top, topMost.client.bottom + 8);
  EXPECT_EQ(WindowText(edit.window), "取り込みサイズ");
  const Control capture = Find(main, "TColorBtn", "取り込み(&G)");
  EXPECT_EQ(capture.client.left, -4);
  EXPECT_EQ(capture.client.top, 8);
  ExpectTidy(main, "full layout");
  Screenshot("main-window-full-layout");

  // The file history covers the upper part with texts and buttons of its own.
  ASSERT_TRUE(ChooseMenuEntry(main, "FH"));
  ASSERT_TRUE(WaitUntil([&] { return Find(main, "Static", "ファイルヒストリー").visible; }));
  ExpectTidy(main, "file history");
  Screenshot("main-window-file-history");
  CloseAndWait(process, main);
}

TEST(MainWindowLayout, SlimLayoutAndTheTopMostBoxesInStep) {
  Program program;
  Program::SetSetting("Version", "17");
  Program::SetSetting("Cursor_Set", "0");
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  const Control edit = Find(main, "Edit", "");
  EXPECT_EQ(edit.client.left, 0);
  EXPECT_EQ(edit.client.top, 30 + 4);  // the top panel is 30 + size bar + 4 high
  EXPECT_FALSE(Find(main, "TColorBtn", "ｶｰｿﾙﾛｰﾄﾞ").visible);
  const Control capture = Find(main, "TColorBtn", "取り込み(&G)");
  EXPECT_EQ(capture.client.left, 4);
  EXPECT_EQ(capture.client.top, 4);
  ExpectTidy(main, "slim layout");
  Screenshot("main-window-slim-layout");

  // Ticking the shown box ticks the hidden one too and makes the window top-most.
  const std::vector<HWND> boxes = TopMostBoxes(main);
  ASSERT_EQ(boxes.size(), 2u);
  HWND shown = IsWindowVisible(boxes[0]) ? boxes[0] : boxes[1];
  HWND hidden = shown == boxes[0] ? boxes[1] : boxes[0];
  SendMessageA(shown, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return Checked(hidden); }));
  EXPECT_TRUE(WaitUntil([&] { return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
  CloseAndWait(process, main);
  EXPECT_EQ(Program::Setting("TOPMOST"), "1");
  EXPECT_EQ(Program::Setting("Cursor_Set"), "0");
}

}  // namespace
}  // namespace e2e
