#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "browser/dir2open_dlg.h"
#include "browser/browser_texts.h"
#include "browser/dir2view_form.h"
#include "browser/file_filter.h"
#include "common/path_helpers.h"
#include "child_windows.h"
#include "keyboard.h"
#include "scheduled.h"
#include "support/screenshot.h"
#include "temp_folder.h"
#include "ui/application.h"

namespace {

HWND Visible(const char* className) {
  HWND window = FindWindowA(className, nullptr);
  return window && IsWindowVisible(window) ? window : nullptr;
}

std::vector<std::string> ListView1Names(HWND list) {
  std::vector<std::string> shown;
  for (int i = 0; i < ListView_GetItemCount(list); ++i) {
    char text[MAX_PATH] = {};
    ListView_GetItemText(list, i, 0, text, sizeof text);
    shown.push_back(text);
  }
  return shown;
}

void Press(HWND window, const std::string& caption) { SendMessageA(FindChild(window, "TColorBtn", caption), BM_CLICK, 0, 0); }

// Answers every message box that opens with the given button, keeping its text.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::string button) : button_(std::move(button)) { Arm(); }
  ~BoxAnswerer() { *alive_ = false; }
  std::vector<std::string> texts;

 private:
  void Arm() {
    Scheduled::After(100, [this, alive = alive_] {
      if (!*alive) return;
      if (HWND box = Visible("TMKBox")) {
        std::string text = TextOf(FindChild(box, "Edit"));
        std::erase(text, '\r');
        texts.push_back(text);
        Press(box, button_);
      }
      Arm();
    });
  }
  std::string button_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// A folder tree of the test's own: X, Y, Z, X\V, and Full holding a file.
class BrowserTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.Created());
    for (const char* name : {"X", "Y", "Z", "X\\V", "Full", "表", "表\\ソ"}) {
      ASSERT_TRUE(CreateDirectoryA(temp_.Path(name).c_str(), nullptr)) << name;
    }
    CloseHandle(CreateFileA(temp_.Path("Full\\keep.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (const char* name : {"b10.bmp", "a9.bmp", "c.jpg"}) {
      HANDLE file = CreateFileA(temp_.Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      DWORD written = 0;
      const std::string bytes(name[0] == 'b' ? 10 : name[0] == 'a' ? 9 : 1000, 'x');
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(file);
    }
  }
  void TearDown() override {
    SetCurrentDirectoryA("C:\\");
    for (const char* name : {"Full\\keep.txt", "b10.bmp", "a9.bmp", "c.jpg"}) DeleteFileA(temp_.Path(name).c_str());
    for (const char* name : {"X\\V", "X\\New", "X", "Y", "Z", "Full", "表\\ソ", "表"}) RemoveDirectoryA(temp_.Path(name).c_str());
  }
  std::string Folder(const std::string& name = "") const { return RemoveTrailingSeparator(temp_.Path(name)); }

  // A browser shown without its modal loop, so a test can drive it step by step.
  void Open() {
    ASSERT_TRUE(form_.Build(nullptr));
    form_.MKBoxDlg1.TimerCount = 1;
    form_.SetFilters(ParseFilter("Pictures|*.bmp;*.jpg"));
    form_.FillDrives();
    form_.Show();
  }

  TempFolder temp_{"browser"};
  TDIR2VIEWForm form_;
};

TEST_F(BrowserTest, PreviousFolderGoesBackThroughTheVisitedFoldersAndStopsAtTheFirst) {
  Open();
  for (const char* name : {"X", "Y", "Z"}) ASSERT_TRUE(form_.GoToFolder(Folder(name))) << name;
  HWND back = FindChild(form_.Handle(), "TColorBtn", "HF");
  std::vector<std::string> visited;
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(IsWindowEnabled(back));
    Press(form_.Handle(), "HF");
    visited.push_back(form_.ListedFolder());
  }
  EXPECT_EQ(visited, (std::vector<std::string>{Folder("Y"), Folder("X")}));
  EXPECT_FALSE(IsWindowEnabled(back));
  EXPECT_EQ(TextOf(FindChild(form_.Handle(), "Edit")), Folder("X"));
}

TEST_F(BrowserTest, VanishedFolderFallsBackToItsNearestExistingAncestor) {
  Open();
  ASSERT_TRUE(form_.GoToFolder(Folder("X")));
  HWND tree = FindChild(form_.Handle(), WC_TREEVIEWA);
  // The node of X\V, listed before the folder went.
  HTREEITEM node = TreeView_GetChild(tree, TreeView_GetSelection(tree));
  ASSERT_NE(node, nullptr);
  ASSERT_TRUE(RemoveDirectoryA(temp_.Path("X\\V").c_str()));
  BoxAnswerer answerer("ＯＫ");
  TreeView_SelectItem(tree, node);
  ASSERT_EQ(answerer.texts.size(), 1u);
  EXPECT_EQ(answerer.texts[0], "フォルダー・エラー発生\n" + Folder("X\\V") + "\nエラーを回避してみます。");
  EXPECT_EQ(form_.CurrentFolder(), Folder("X"));
  EXPECT_EQ(form_.ListedFolder(), Folder("X"));
}

TEST_F(BrowserTest, NewFolderIsCreatedAndOpenedAndAFullFolderIsNotDeleted) {
  Open();
  ASSERT_TRUE(form_.GoToFolder(Folder("X")));
  std::string prompt;
  Scheduled::WhenShown("TSNBox", [&](HWND box) {
    prompt = TextOf(FindChild(box, "Static"));
    SetWindowTextA(FindChild(box, "Edit"), "New");
    Press(box, "登録");
  });
  Press(form_.Handle(), "NF");
  EXPECT_EQ(prompt, NewFolderPrompt(Folder("X")) + "：");  // the temporary folder lies deep
  EXPECT_EQ(form_.CurrentFolder(), Folder("X\\New"));

  ASSERT_TRUE(form_.GoToFolder(Folder("Full")));
  BoxAnswerer answerer("はい");
  Press(form_.Handle(), "DF");
  ASSERT_EQ(answerer.texts.size(), 2u);
  EXPECT_EQ(answerer.texts[0], Folder("Full") + "\nこのフォルダーを削除します☆");
  EXPECT_EQ(answerer.texts[1], Folder("Full") + "\nフォルダーの削除に失敗しました・・・");
  EXPECT_TRUE(GetFileAttributesA(temp_.Path("Full\\keep.txt").c_str()) != INVALID_FILE_ATTRIBUTES);
}

TEST_F(BrowserTest, FileListFiltersCountsAndSortsSizesByNumber) {
  Open();
  ASSERT_TRUE(form_.GoToFolder(Folder()));
  HWND list = FindChild(form_.Handle(), WC_LISTVIEWA);
  const auto names = [list] { return ListView1Names(list); };
  EXPECT_EQ(names(), (std::vector<std::string>{"a9.bmp", "b10.bmp", "c.jpg"}));
  char caption[64] = {};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = caption;
  column.cchTextMax = sizeof caption;
  SendMessageA(list, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(std::string(caption), "3ｺ　ファイル名");
  const auto clickColumn = [&](int index) {
    NMLISTVIEW click{};
    click.hdr = {list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), LVN_COLUMNCLICK};
    click.iSubItem = index;
    SendMessageA(form_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  };
  clickColumn(1);  // サイズ: ascending first
  EXPECT_EQ(names(), (std::vector<std::string>{"a9.bmp", "b10.bmp", "c.jpg"}));
  clickColumn(1);
  EXPECT_EQ(names(), (std::vector<std::string>{"c.jpg", "b10.bmp", "a9.bmp"}));
  clickColumn(0);  // ファイル名: descending first
  EXPECT_EQ(names(), (std::vector<std::string>{"c.jpg", "b10.bmp", "a9.bmp"}));
  RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Application::ProcessMessages();
  Screenshot("browser-tree-and-sorted-files");
  // The other folder view: the indented list.
  NMHDR click{FindChild(form_.Handle(), WC_HEADERA), 0, static_cast<UINT>(HDN_ITEMCLICKA)};
  SendMessageA(form_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Application::ProcessMessages();
  Screenshot("browser-list-view");
}

TEST_F(BrowserTest, ComponentStartsInTheNearestAncestorOfAVanishedDirectory) {
  TDIR2OPENDLG dialog;
  dialog.Title = "登録先";
  dialog.Directory = temp_.Path("X\\gone\\deeper");
  std::string caption, folder;
  Scheduled::WhenShown("TDIR2VIEWForm", [&](HWND browser) {
    caption = TextOf(browser);
    folder = TextOf(FindChild(browser, "Edit"));
    Press(browser, "中止");
  });
  EXPECT_EQ(dialog.SelectFolder(), 3);
  EXPECT_EQ(caption, "登録先フォルダーの選択");
  EXPECT_EQ(folder, Folder("X"));
  EXPECT_EQ(dialog.Directory, temp_.Path("X\\gone\\deeper"));  // cancelled: left alone

  // Enter in the dropped filter list closes the list; the next Enter is the browser's 設定.
  dialog.Directory = Folder("表\\ソ");
  bool openAfterTheList = false;
  Scheduled::WhenShown("TDIR2VIEWForm", [&](HWND browser) {
    HWND filter = FindChild(browser, "ComboBox", "ALL files (*.*)");
    ASSERT_NE(filter, nullptr);
    SetFocus(filter);  // as a click on it does
    SendMessageA(filter, CB_SHOWDROPDOWN, TRUE, 0);
    Key(VK_RETURN);
    Scheduled::After(50, [&, browser, filter] {
      openAfterTheList = IsWindow(browser) && !SendMessageA(filter, CB_GETDROPPEDSTATE, 0, 0);
      if (openAfterTheList) {
        Key(VK_RETURN);
      } else if (IsWindow(browser)) {
        PostMessageA(browser, WM_CLOSE, 0, 0);
      }
    });
  });
  EXPECT_EQ(dialog.SelectFolder(), 1);
  EXPECT_TRUE(openAfterTheList);
  EXPECT_EQ(dialog.Directory, Folder("表\\ソ"));

  // Closed by the window's own close button.
  Scheduled::WhenShown("TDIR2VIEWForm", [](HWND browser) { PostMessageA(browser, WM_CLOSE, 0, 0); });
  EXPECT_EQ(dialog.SelectFolder(), 2);
  EXPECT_EQ(dialog.Directory, Folder("表\\ソ"));
}

std::string HeaderText(HWND header) {
  char text[128] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(header, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}

TEST_F(BrowserTest, FolderListRowsFileRowsTheFilterAndUpLeadWhereTheySay) {
  Open();
  RECT client{};
  GetClientRect(form_.Handle(), &client);
  EXPECT_EQ(client.right, 614);
  EXPECT_EQ(client.bottom, 262);
  ASSERT_TRUE(form_.GoToFolder(Folder("表")));
  HWND header = FindChild(form_.Handle(), WC_HEADERA);
  HWND tree = FindChild(form_.Handle(), WC_TREEVIEWA);
  EXPECT_EQ(HeaderText(header), std::to_string(TreeView_GetCount(tree)) + "ｺ　ツリーフォルダー");

  // The list view: the levels of 表 and its one subfolder ソ.
  NMHDR click{header, 0, static_cast<UINT>(HDN_ITEMCLICKA)};
  SendMessageA(form_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  HWND rows = FindChild(form_.Handle(), "ListBox");
  const int count = static_cast<int>(SendMessageA(rows, LB_GETCOUNT, 0, 0));
  EXPECT_EQ(HeaderText(header), std::to_string(count) + "ｺ　フォルダー");
  EXPECT_EQ(SendMessageA(rows, LB_GETCURSEL, 0, 0), count - 2);  // 表, above its subfolder
  // Choosing the subfolder row goes there; choosing the row above the current one goes up.
  const auto choose = [&](int row) {
    SendMessageA(rows, LB_SETCURSEL, row, 0);
    SendMessageA(form_.Handle(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(rows));
  };
  choose(count - 1);
  EXPECT_EQ(form_.CurrentFolder(), Folder("表\\ソ"));
  choose(static_cast<int>(SendMessageA(rows, LB_GETCURSEL, 0, 0)) - 2);
  EXPECT_EQ(form_.CurrentFolder(), Folder());

  // A file row fills the file name; ALL files lists the folders' files beyond the pictures.
  HWND list = FindChild(form_.Handle(), WC_LISTVIEWA);
  ListView_SetItemState(list, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  NMHDR fileClick{list, 0, static_cast<UINT>(NM_CLICK)};
  SendMessageA(form_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&fileClick));
  EXPECT_EQ(TextOf(FindChild(FindChild(form_.Handle(), "TPanel"), "Edit")), temp_.Path("c.jpg"));
  ASSERT_TRUE(form_.GoToFolder(Folder("Full")));
  EXPECT_EQ(ListView_GetItemCount(list), 0);
  HWND filter = FindChild(form_.Handle(), "ComboBox", "Pictures (*.bmp;*.jpg)");
  ASSERT_NE(filter, nullptr);
  SendMessageA(filter, CB_SETCURSEL, 1, 0);
  SendMessageA(form_.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(filter));
  EXPECT_EQ(ListView_GetItemCount(list), 1);  // keep.txt

  Press(form_.Handle(), "BF");
  EXPECT_EQ(form_.CurrentFolder(), Folder());
}

TEST_F(BrowserTest, FileModeRefusesARelativePathWithAFolderAndTakesABareName) {
  Open();
  form_.SetFileMode(true, true, "bmp");
  ASSERT_TRUE(form_.GoToFolder(Folder()));
  HWND fileEdit = FindChild(FindChild(form_.Handle(), "TPanel"), "Edit");
  SetWindowTextA(fileEdit, "x\\y.bmp");
  {
    BoxAnswerer answerer("ＯＫ");
    Press(form_.Handle(), "設定");
    ASSERT_EQ(answerer.texts.size(), 1u);
    EXPECT_EQ(answerer.texts[0],
              "x\\y.bmp\ny.bmp\nファイル名が不正です・・・\nファイル名のみか、フルパス(ドライブ名付)で設定して下さい☆");
  }
  // An existing file: the overwrite question, answered no, keeps the browser open.
  SetWindowTextA(fileEdit, "a9");
  {
    BoxAnswerer answerer("いいえ");
    Press(form_.Handle(), "設定");
    ASSERT_EQ(answerer.texts.size(), 1u);
    EXPECT_EQ(answerer.texts[0], "a9.bmp\n" + temp_.Path("a9.bmp") + "\n同名のファイルが既に存在します・・・\nファイルを書き換えますか?");
  }
  EXPECT_EQ(form_.ResultFileName(), temp_.Path("a9.bmp"));
  EXPECT_EQ(form_.ResultFolder(), Folder());
}

// More files than the list's step of 1000, after which it lets pending messages run.
class ManyFiles {
 public:
  static constexpr int Count = 1100;
  explicit ManyFiles(std::string folder) : folder_(std::move(folder)) {
    CreateDirectoryA(folder_.c_str(), nullptr);
    for (int i = 0; i < Count; ++i) Touch(Name(i));
    Touch("notes.txt");
  }
  ~ManyFiles() {
    SetCurrentDirectoryA("C:\\");
    for (int i = 0; i < Count; ++i) DeleteFileA((folder_ + "\\" + Name(i)).c_str());
    DeleteFileA((folder_ + "\\notes.txt").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  const std::string& Folder() const { return folder_; }

 private:
  static std::string Name(int i) { return "f" + std::to_string(i) + ".bmp"; }
  void Touch(const std::string& name) const {
    CloseHandle(CreateFileA((folder_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  }
  std::string folder_;
};

// What the user does while a long list fills (another folder, another filter) takes over: the
// list then holds one folder's files, each once, a row leads to a file that is there, and the
// filter adds no second visit of the folder to the history HF goes back through.
TEST_F(BrowserTest, AFolderOrFilterChosenWhileAManyFileFolderIsListedTakesOverTheList) {
  const ManyFiles many(Folder("Many"));
  Open();
  form_.SetFileMode(true, false, "");
  HWND list = FindChild(form_.Handle(), WC_LISTVIEWA);
  HWND filter = FindChild(form_.Handle(), "ComboBox", "Pictures (*.bmp;*.jpg)");
  ASSERT_NE(filter, nullptr);
  const auto chooseFilter = [&](int index, bool posted) {
    SendMessageA(filter, CB_SETCURSEL, index, 0);
    const WPARAM change = MAKEWPARAM(0, CBN_SELCHANGE);
    if (posted) {
      PostMessageA(form_.Handle(), WM_COMMAND, change, reinterpret_cast<LPARAM>(filter));
    } else {
      SendMessageA(form_.Handle(), WM_COMMAND, change, reinterpret_cast<LPARAM>(filter));
    }
  };
  struct Case {
    const char* during;
    std::function<void()> act;  // posted: it runs once the list lets messages run
    std::string listed;
    int rows;
    std::string back;  // where HF goes then; empty: not tried
  };
  const Case cases[] = {
      {"BF", [&] { PostMessageA(FindChild(form_.Handle(), "TColorBtn", "BF"), BM_CLICK, 0, 0); }, Folder(), 3, ""},
      {"ALL files", [&] { chooseFilter(1, true); }, Folder("Many"), ManyFiles::Count + 1, Folder("Y")},
  };
  for (const Case& c : cases) {
    chooseFilter(0, false);
    ASSERT_TRUE(form_.GoToFolder(Folder("Y")));
    Application::ProcessMessages();
    c.act();
    ASSERT_TRUE(form_.GoToFolder(many.Folder()));
    EXPECT_EQ(form_.ListedFolder(), c.listed) << c.during;
    const std::vector<std::string> names = ListView1Names(list);
    EXPECT_EQ(static_cast<int>(names.size()), c.rows) << c.during;
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << c.during << ": a file twice";
    ListView_SetItemState(list, ListView_GetItemCount(list) - 1, LVIS_SELECTED, LVIS_SELECTED);
    NMHDR fileClick{list, 0, static_cast<UINT>(NM_CLICK)};
    SendMessageA(form_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&fileClick));
    const std::string chosen = TextOf(FindChild(FindChild(form_.Handle(), "TPanel"), "Edit"));
    EXPECT_NE(GetFileAttributesA(chosen.c_str()), INVALID_FILE_ATTRIBUTES) << c.during << ": " << chosen;
    if (c.back.empty()) continue;
    Press(form_.Handle(), "HF");
    EXPECT_EQ(form_.ListedFolder(), c.back) << c.during;
  }
}

TEST_F(BrowserTest, ComponentStartsNearAnOverlongDirectoryAndInTheProgramsFolderWithoutAnyChoice) {
  TDIR2OPENDLG dialog;
  std::vector<std::string> folders;
  const auto cancel = [&] {
    Scheduled::WhenShown("TDIR2VIEWForm", [&](HWND browser) {
      folders.push_back(TextOf(FindChild(browser, "Edit")));
      Press(browser, "中止");
    });
  };
  dialog.Directory = temp_.Path(std::string(300, 'a') + "\\" + std::string(300, 'b'));
  cancel();
  EXPECT_EQ(dialog.SelectFolder(), 3);
  dialog.Directory.clear();
  cancel();
  EXPECT_EQ(dialog.SelectFolder(), 3);
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, sizeof program);
  std::string programFolder = program;
  programFolder.resize(programFolder.rfind('\\'));
  EXPECT_EQ(folders, (std::vector<std::string>{Folder(), programFolder}));
}

}  // namespace
