#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "browser/sn_box_dlg.h"
#include "child_windows.h"
#include "keyboard.h"
#include "scheduled.h"
#include "support/screenshot.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

// The window the box centres on and takes its colours from.
class InputBoxMain : public Form {
 public:
  InputBoxMain() {
    RegisterWindowClass("PIKTORAN_TEST_INPUT_MAIN");
    CreateWindowOfClass("PIKTORAN_TEST_INPUT_MAIN", "ピクトラン ", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                        {289, 234, 445, 300}, nullptr);
    Application::SetMainWindow(Handle());
    Application::SetTitle("ピクトラン ");
  }
  ~InputBoxMain() override { Application::SetMainWindow(nullptr); }
  COLORREF Colour() const override { return RGB(0, 128, 128); }
};

HWND TheBox() { return FindWindowA("TSNBox", nullptr); }

void Press(const std::string& button) { SendMessageA(FindChild(TheBox(), "TColorBtn", button), BM_CLICK, 0, 0); }
void Type(const std::string& text) { SetWindowTextA(FindChild(TheBox(), "Edit"), text.c_str()); }
std::string EditText() { return TextOf(FindChild(TheBox(), "Edit")); }
HWND HistoryList() { return FindChild(TheBox(), "ComboBox"); }
bool HistoryShown() { return IsWindowVisible(HistoryList()) != FALSE; }

std::vector<std::string> HistoryItems() {
  std::vector<std::string> items;
  HWND list = HistoryList();
  for (int i = 0, n = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)); i < n; ++i) {
    char text[512] = {};
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

// What the user chooses in the dropped history: the selection changes and the list says so.
void Choose(int index) {
  HWND list = HistoryList();
  SendMessageA(list, CB_SETCURSEL, index, 0);
  SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

using List = std::vector<std::string>;

TEST(SNBox, CancelledTextStillBecomesTheEnteredTextAtTheTopOfTheHistory) {
  InputBoxMain main;
  TSNBoxDlg dlg;
  dlg.HistoryList = {"Work", "Old"};
  Scheduled::WhenShown("TSNBox", [](HWND) {
    Type("old");
    Press("中止");
  });
  EXPECT_EQ(dlg.Execute("C:\\Data\\     "), 3);
  EXPECT_EQ(dlg.EnteredText, "old");
  EXPECT_EQ(dlg.HistoryList, (List{"old", "Work"}));
  EXPECT_EQ(TheBox(), nullptr);
}

TEST(SNBox, EveryPartAndTheHistoryThroughThreeCalls) {
  InputBoxMain main;
  TSNBoxDlg dlg;
  dlg.Title = "新規作成フォルダー名を入力して下さい☆";
  dlg.EnteredText = "Pictures";
  dlg.HistoryList = {"Work", "pictures", "Old"};

  struct Seen {
    RECT client{};
    bool centred = false;
    std::string caption, prompt, edit;
    List items;
    int selected = -2;
    bool historyHiddenAtStart = false, shownByH = false, hiddenByOff = false, stillOpenWhenEmpty = false;
  } seen;
  std::function<void()> afterTheHistoryDropped;
  Scheduled::WhenShown("TSNBox", [&](HWND box) {
    GetClientRect(box, &seen.client);
    RECT r{};
    GetWindowRect(box, &r);
    seen.centred = r.left == 289 + (445 - (r.right - r.left)) / 2 && r.top == 234 + (300 - (r.bottom - r.top)) / 2;
    seen.caption = TextOf(box);
    seen.prompt = TextOf(FindChild(box, "Static"));
    seen.edit = EditText();
    seen.items = HistoryItems();
    seen.selected = static_cast<int>(SendMessageA(HistoryList(), CB_GETCURSEL, 0, 0));
    seen.historyHiddenAtStart = !HistoryShown();
    EXPECT_NE(FindChild(box, "TColorBtn", "登録"), nullptr);
    Press("H");
    seen.shownByH = HistoryShown() && GetFocus() == HistoryList();
    SendMessageA(HistoryList(), CB_SHOWDROPDOWN, TRUE, 0);
    // Once the dropped list is painted: a timer comes after the paints.
    Scheduled::After(20, [&] { afterTheHistoryDropped(); });
  });
  afterTheHistoryDropped = [&] {
    Screenshot("input-box-history");
    SendMessageA(HistoryList(), CB_SHOWDROPDOWN, FALSE, 0);
    Press("off");
    seen.hiddenByOff = !HistoryShown() && GetFocus() == FindChild(TheBox(), "Edit");
    Type("");
    Press("登録");
    seen.stillOpenWhenEmpty = TheBox() != nullptr;
    Press("H");
    Choose(2);  // Old
    Press("登録");
  };
  EXPECT_EQ(dlg.Execute("C:\\Data\\     "), 1);
  EXPECT_EQ(seen.client.right, 419);
  EXPECT_EQ(seen.client.bottom, 95);
  EXPECT_TRUE(seen.centred);
  EXPECT_EQ(seen.caption, "新規作成フォルダー名を入力して下さい☆");
  EXPECT_EQ(seen.prompt, "C:\\Data\\     ：");
  EXPECT_EQ(seen.edit, "Pictures");
  // The proposed text replaces its twin but for letter case and is selected.
  EXPECT_EQ(seen.items, (List{"Pictures", "Work", "Old"}));
  EXPECT_EQ(seen.selected, 0);
  EXPECT_TRUE(seen.historyHiddenAtStart);
  EXPECT_TRUE(seen.shownByH);
  EXPECT_TRUE(seen.hiddenByOff);
  EXPECT_TRUE(seen.stillOpenWhenEmpty);
  EXPECT_EQ(dlg.EnteredText, "Old");
  EXPECT_EQ(dlg.HistoryList, (List{"Old", "Pictures", "Work"}));

  // The next call proposes the last text; the caption falls back to the application's title;
  // closing the window answers 2.
  dlg.Title.clear();
  List items;
  std::string caption;
  Scheduled::WhenShown("TSNBox", [&](HWND) {
    items = HistoryItems();
    caption = TextOf(TheBox());
    EXPECT_EQ(EditText(), "Old");
    Type("新しいフォルダー");
    PostMessageA(TheBox(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(dlg.Execute("C:\\"), 2);
  EXPECT_EQ(items, (List{"Old", "Pictures", "Work"}));
  EXPECT_EQ(caption, "ピクトラン ");
  EXPECT_EQ(dlg.HistoryList, (List{"新しいフォルダー", "Old", "Pictures", "Work"}));
}

// Runs the keys once the box shows and the keyboard serves it; a box still open once they are
// handled is closed, so that a fault ends the call.
void TypeWhenShown(std::function<void()> keys) {
  Scheduled::WhenShown("TSNBox", [keys = std::move(keys)](HWND box) {
    keys();
    Scheduled::After(50, [box] {
      if (IsWindow(box)) PostMessageA(box, WM_CLOSE, 0, 0);
    });
  });
}

TEST(SNBox, KeysTypedAtOnceReplaceTheProposalEnterConfirmsEscapeCancels) {
  InputBoxMain main;
  TSNBoxDlg dlg;
  dlg.EnteredText = "Old";
  TypeWhenShown([] {
    for (const WORD key : std::initializer_list<WORD>{'N', 'E', 'W', VK_RETURN}) Key(key);
  });
  EXPECT_EQ(dlg.Execute("p"), 1);
  EXPECT_EQ(dlg.EnteredText, "new");
  TypeWhenShown([] { Key(VK_ESCAPE); });
  EXPECT_EQ(dlg.Execute("p"), 3);
  EXPECT_EQ(dlg.EnteredText, "new");
  EXPECT_EQ(dlg.HistoryList, (List{"new", "Old"}));
}

}  // namespace
