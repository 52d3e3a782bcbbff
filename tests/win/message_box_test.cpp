#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "msgbox/mk_box_dlg.h"
#include "scheduled.h"
#include "support/screenshot.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

// Stands in for the main window the boxes centre on and take their colours from.
class FakeMainWindow : public Form {
 public:
  FakeMainWindow() {
    RegisterWindowClass("PIKTORAN_TEST_MAIN");
    CreateWindowOfClass("PIKTORAN_TEST_MAIN", "ピクトラン ", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                        {289, 234, 445, 300}, nullptr);
    Application::SetMainWindow(Handle());
    Application::SetTitle("ピクトラン ");
  }
  ~FakeMainWindow() override { Application::SetMainWindow(nullptr); }
};

std::vector<HWND> OpenBoxes() {
  std::vector<HWND> boxes;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "TMKBox" && IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

HWND TheBox() {
  const auto boxes = OpenBoxes();
  return boxes.size() == 1 ? boxes.front() : nullptr;
}

HWND ChildWithText(HWND parent, const char* className, const std::string& text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    char caption[256] = {};
    GetClassNameA(child, name, sizeof name);
    GetWindowTextA(child, caption, sizeof caption);
    if (lstrcmpiA(name, className) == 0 && (text.empty() || text == caption)) return child;
  }
  return nullptr;
}

bool Visible(HWND box, const std::string& button) {
  HWND child = ChildWithText(box, "TColorBtn", button);
  return child && IsWindowVisible(child);
}

std::string CountLabel(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_RIGHT)) {
      char text[64] = {};
      GetWindowTextA(child, text, sizeof text);
      return IsWindowVisible(child) ? text : "";
    }
  }
  return "";
}

void Press(HWND box, const std::string& button) {
  SendMessageA(ChildWithText(box, "TColorBtn", button), BM_CLICK, 0, 0);
}

void Key(HWND box, WPARAM key) { PostMessageA(box, WM_KEYDOWN, key, 0); }

bool CentredOnMain(HWND box) {
  RECT r{};
  GetWindowRect(box, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  return r.left == 289 + (445 - width) / 2 && r.top == 234 + (300 - height) / 2;
}

TEST(MKBox, OkBoxAnswersOneAndIsCentredOnTheMainWindow) {
  FakeMainWindow main;
  TMKBoxDlg dlg;
  bool centred = false;
  std::string caption;
  Scheduled::After(600, [&] {
    HWND box = TheBox();
    ASSERT_NE(box, nullptr);
    centred = CentredOnMain(box);
    char text[128] = {};
    GetWindowTextA(box, text, sizeof text);
    caption = text;
    EXPECT_TRUE(Visible(box, "ＯＫ"));
    EXPECT_FALSE(Visible(box, "一時停止"));
    EXPECT_EQ(CountLabel(box), "");
    Screenshot("message-box-ok");
    Key(box, VK_RETURN);
  });
  EXPECT_EQ(dlg.ShowMsg("画像ファイルを保存しました。\nC:\\表\\picture.bmp"), 1);
  EXPECT_TRUE(centred);
  EXPECT_EQ(caption, "ピクトラン ");
  EXPECT_TRUE(OpenBoxes().empty());
}

TEST(MKBox, TimedOkBoxAnswersByItselfAndPausesAndResumes) {
  FakeMainWindow main;
  TMKBoxDlg dlg;
  dlg.TimerCount = 2;
  std::vector<std::string> labels;
  Scheduled::After(300, [&] {
    HWND box = TheBox();
    ASSERT_NE(box, nullptr);
    labels.push_back(CountLabel(box));  // 2秒
    Screenshot("message-box-timed-ok");
    Press(box, "一時停止");
    EXPECT_FALSE(Visible(box, "一時停止"));
    EXPECT_TRUE(Visible(box, "ｶｳﾝﾄ再開"));
  });
  Scheduled::After(2600, [&] {  // paused: nothing moved
    HWND box = TheBox();
    ASSERT_NE(box, nullptr);
    labels.push_back(CountLabel(box));
    Press(box, "ｶｳﾝﾄ再開");
    EXPECT_TRUE(Visible(box, "一時停止"));
  });
  Scheduled::After(3800, [&] {
    if (HWND box = TheBox()) labels.push_back(CountLabel(box));  // one tick after resuming
  });
  EXPECT_EQ(dlg.ShowMsgTimed("確定しました。\n現在の画面が、元の画面となります☆☆☆", 1), 1);
  EXPECT_EQ(labels, (std::vector<std::string>{"2秒", "2秒", "1秒"}));
}

TEST(MKBox, TimedQuestionAnswersByKeysAndTimesOutToTheGivenAnswer) {
  FakeMainWindow main;
  TMKBoxDlg dlg;
  bool markerAboveNo = false;
  Scheduled::After(500, [&] {
    HWND box = TheBox();
    ASSERT_NE(box, nullptr);
    Screenshot("message-box-timed-yes-no");
    // The red time-out bar sits right above いいえ.
    HWND no = ChildWithText(box, "TColorBtn", "いいえ");
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char name[32] = {};
      GetClassNameA(child, name, sizeof name);
      RECT bar{}, button{};
      GetWindowRect(child, &bar);
      GetWindowRect(no, &button);
      if (std::string(name) == "TPanel" && IsWindowVisible(child)) {
        markerAboveNo = bar.left == button.left && bar.bottom == button.top && bar.bottom - bar.top == 3;
      }
    }
    Key(box, VK_RETURN);
  });
  EXPECT_EQ(dlg.AskYesNoTimed("フォルダーを作成します", 7), 6);
  EXPECT_TRUE(markerAboveNo);

  Scheduled::After(400, [&] { Key(TheBox(), VK_ESCAPE); });
  EXPECT_EQ(dlg.AskYesNoTimed("上書きしますか？", 6), 7);

  dlg.TimerCount = 1;
  EXPECT_EQ(dlg.AskYesNoTimed("上書きしますか？", 7), 7);
  EXPECT_EQ(dlg.AskYesNoTimed("上書きしますか？", 6), 6);

  Scheduled::After(400, [&] { PostMessageA(TheBox(), WM_CLOSE, 0, 0); });
  EXPECT_EQ(dlg.AskYesNoTimed("上書きしますか？", 6), 2);
}

TEST(MKBox, WithoutTimerNoPausePairAndNoAnswerByItself) {
  FakeMainWindow main;
  TMKBoxDlg dlg;
  dlg.Timer = false;
  dlg.TimerCount = 1;
  bool stillOpen = false;
  Scheduled::After(300, [&] {
    HWND box = TheBox();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(Visible(box, "一時停止"));
    EXPECT_FALSE(Visible(box, "ｶｳﾝﾄ再開"));
    EXPECT_EQ(CountLabel(box), "");
  });
  Scheduled::After(2300, [&] {
    stillOpen = TheBox() != nullptr;
    Press(TheBox(), "はい");
  });
  EXPECT_EQ(dlg.AskYesNoTimed("上書きしますか？", 7), 6);
  EXPECT_TRUE(stillOpen);
}

TEST(MKBox, TenBoxesNestAndTheEleventhIsRefused) {
  FakeMainWindow main;
  TMKBoxDlg dlg;
  std::vector<int> answers(10, -1);
  int eleventh = -1;
  std::size_t openAtTheDeepest = 0;
  std::function<void(int)> open = [&](int depth) {
    if (depth == 10) {
      openAtTheDeepest = OpenBoxes().size();
      eleventh = dlg.ShowMsg("11");
      for (HWND box : OpenBoxes()) PostMessageA(box, WM_CLOSE, 0, 0);
      return;
    }
    Scheduled::After(30, [&, depth] { open(depth + 1); });
    answers[static_cast<std::size_t>(depth)] = dlg.ShowMsg("box " + std::to_string(depth));
  };
  open(0);
  EXPECT_EQ(openAtTheDeepest, 10u);
  EXPECT_EQ(eleventh, 0);
  EXPECT_EQ(answers, std::vector<int>(10, 2));
  for (int slot = 0; slot < 10; ++slot) EXPECT_FALSE(dlg.Busy(slot)) << slot;
}

}  // namespace
