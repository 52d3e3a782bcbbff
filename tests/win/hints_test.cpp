#include <gtest/gtest.h>

#include <vector>

#include "msgbox/mk_box_dlg.h"
#include "scheduled.h"
#include "ui/application.h"
#include "ui/hints.h"
#include "ui/panel.h"

#include <commctrl.h>

namespace {

// The tools that the thread's tooltips hold now: none while hints are off.
int ToolsOfThread() {
  int tools = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM count) -> BOOL {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) {
          *reinterpret_cast<int*>(count) += static_cast<int>(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tools));
  return tools;
}

class HintedWindow : public Form {
 public:
  HintedWindow() {
    RegisterWindowClass("PIKTORAN_TEST_HINTED");
    CreateWindowOfClass("PIKTORAN_TEST_HINTED", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {200, 200, 300, 200}, nullptr);
    first.Create(Handle(), {10, 10, 100, 30}, "first");
    second.Create(Handle(), {10, 50, 100, 30}, "second");
    hints.Add(first.Handle(), "一つ目");
    hints.Add(Handle(), "Ｆｏｒｍ位置サイズ");
  }
  Panel first, second;
  Hints hints;
};

TEST(Hints, SwitchedOffTheTooltipHoldsNoTools) {
  Application::SetShowHints(true);
  HintedWindow window;
  EXPECT_EQ(ToolsOfThread(), 2);
  Application::SetShowHints(false);
  window.hints.Refresh();
  EXPECT_EQ(ToolsOfThread(), 0);
  window.hints.Add(window.second.Handle(), "二つ目");  // added while off: waits
  window.hints.SetText(window.Handle(), "Ｆｏｒｍ位置サイズ １,２,３,４");
  EXPECT_EQ(ToolsOfThread(), 0);
  Application::SetShowHints(true);
  window.hints.Refresh();
  EXPECT_EQ(ToolsOfThread(), 3);
}

TEST(Hints, MessageBoxesFollowTheSwitch) {
  TMKBoxDlg dlg;
  int toolsWhileOn = -1, toolsWhileOff = -1;
  const auto countAndClose = [](int& tools) {
    return [&tools] {
      tools = ToolsOfThread();
      EnumThreadWindows(
          GetCurrentThreadId(),
          [](HWND window, LPARAM) -> BOOL {
            char name[32] = {};
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) == "TMKBox") PostMessageA(window, WM_CLOSE, 0, 0);
            return TRUE;
          },
          0);
    };
  };
  Application::SetShowHints(true);
  Scheduled::After(300, countAndClose(toolsWhileOn));
  dlg.ShowMsg("ヒントあり");
  Application::SetShowHints(false);
  Scheduled::After(300, countAndClose(toolsWhileOff));
  dlg.ShowMsg("ヒントなし");
  Application::SetShowHints(true);
  EXPECT_EQ(toolsWhileOn, 2);  // the time-out marker and the memo
  EXPECT_EQ(toolsWhileOff, 0);
}

}  // namespace
