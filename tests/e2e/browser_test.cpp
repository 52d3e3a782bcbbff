// The folder browser seen from outside, in a host that drops in its component in folder mode:
// the keyboard in the folder tree at once, the folder pane switched by its header, the file list
// sorted by a column, two new folders named on the keyboard in the input box (the second with
// the first in its history) and Enter handing the last one back.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "driver.h"
#include "support/screenshot.h"
#include "window_parts.h"
// After <windows.h>, which driver.h brings.
#include <commctrl.h>

namespace e2e {
namespace {

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string TempFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  return temp;
}

// A folder of three files whose name order, size order and size-text order all differ, and one
// subfolder; what the walk creates in it goes with it.
class BrowsedFolder {
 public:
  BrowsedFolder() {
    CreateDirectoryA(path_.c_str(), nullptr);
    CreateDirectoryA(Path("Sub").c_str(), nullptr);
    for (const auto& [name, size] : Files) std::ofstream(Path(name), std::ios::binary) << std::string(size, 'x');
  }
  ~BrowsedFolder() {
    for (const auto& [name, size] : Files) DeleteFileA(Path(name).c_str());
    for (const char* folder : {"First\\Second", "First", "Sub", ""}) RemoveDirectoryA(Path(folder).c_str());
    DeleteFileA(result_.c_str());
  }
  std::string Path(const std::string& name) const { return name.empty() ? path_ : path_ + "\\" + name; }
  const std::string& ResultFile() const { return result_; }

  static constexpr std::pair<const char*, std::size_t> Files[] = {{"a.txt", 10}, {"b.txt", 9}, {"c.txt", 2000}};

 private:
  std::string path_ = TempFolder() + "piktoran browser " + std::to_string(GetCurrentProcessId());
  std::string result_ = path_ + " result.txt";
};

Process StartHost(const std::string& folder, const std::string& resultFile) {
  std::string commandLine = "\"" + OwnFolder() + "browser_host.exe\" \"" + folder + "\" \"" + resultFile + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("cannot start " + commandLine);
  }
  CloseHandle(info.hThread);
  return Process(info.hProcess, info.dwProcessId);
}

// A buffer inside another process, for the header and list-view messages that carry pointers.
class RemoteBuffer {
 public:
  static constexpr std::size_t TextSize = 512;
  explicit RemoteBuffer(DWORD processId)
      : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
        address_(process_ ? static_cast<char*>(VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT | MEM_RESERVE,
                                                               PAGE_READWRITE))
                          : nullptr) {}
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }

  // Sends `message` with the structure copied in, its text field pointing at the buffer's text
  // part; the text the window put there.
  template <typename Item>
  std::string AskText(HWND window, UINT message, WPARAM wParam, Item item) const {
    if (!address_) return {};
    const char empty[TextSize] = {};
    WriteProcessMemory(process_, address_ + 1024, empty, sizeof empty, nullptr);
    item.pszText = address_ + 1024;
    item.cchTextMax = TextSize;
    WriteProcessMemory(process_, address_, &item, sizeof item, nullptr);
    SendMessageTimeoutA(window, message, wParam, reinterpret_cast<LPARAM>(address_), SMTO_ABORTIFHUNG, 2000, nullptr);
    char text[TextSize] = {};
    ReadProcessMemory(process_, address_ + 1024, text, sizeof text - 1, nullptr);
    return text;
  }

 private:
  HANDLE process_;
  char* address_;
};

std::string HeaderText(const RemoteBuffer& buffer, HWND header, int section) {
  HDITEMA item{};
  item.mask = HDI_TEXT;
  return buffer.AskText(header, HDM_GETITEMA, static_cast<WPARAM>(section), item);
}

std::vector<std::string> ListedNames(const RemoteBuffer& buffer, HWND list) {
  std::vector<std::string> names;
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) names.push_back(buffer.AskText(list, LVM_GETITEMTEXTA, row, LVITEMA{}));
  return names;
}

// The file list's column header, clicked at `quarter` quarters of the column's width: clicks
// in turn at one place would make a double click, which sorts nothing.
void ClickColumn(HWND list, int column, int quarter) {
  const RECT header = WindowRect(ChildOfClass(list, "SysHeader32"));
  int left = header.left;
  for (int i = 0; i < column; ++i) left += static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, i, 0));
  ClickAt(left + static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)) * quarter / 4,
          (header.top + header.bottom) / 2);
}

// The host's windows painted now, then the screen saved: the host paints when its queue is
// empty, which may be after the state a test has waited for.
void ScreenshotOf(const Process& host, const std::string& name) {
  for (HWND window : TopLevelWindows(host.Id())) {
    if (IsWindowVisible(window)) {
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
  }
  Screenshot(name);
}

bool Shown(HWND window) { return window && IsWindowVisible(window); }

// Letters and digits typed on the keyboard.
void TypeKeys(const std::string& text) {
  for (const char c : text) {
    const bool upper = c >= 'A' && c <= 'Z';
    const auto key = static_cast<WORD>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (upper) {
      PressKey(key, {VK_SHIFT});
    } else {
      PressKey(key);
    }
  }
}

// The window is the one the keyboard serves and shows its painted buttons.
bool ReadyForKeys(HWND window) {
  return WaitUntil([&] { return GetForegroundWindow() == window && ButtonsPainted(window); });
}

// NF, the name typed on the keyboard as soon as the input box shows and Enter pressed; true
// once the box has gone.
bool NewFolder(const Process& host, HWND browser, const std::string& name, const std::string& screenshot,
               const std::function<void(HWND box)>& beforeTyping = nullptr) {
  if (!PressButton(browser, "NF")) return false;
  HWND box = ShownWindow(host, "TSNBox");
  if (!box || !ReadyForKeys(box)) return false;
  EXPECT_EQ(WindowText(box), "新規作成フォルダー名を入力して下さい☆");
  if (beforeTyping) beforeTyping(box);
  TypeKeys(name);
  HWND edit = ChildOfClass(box, "Edit");
  EXPECT_TRUE(WaitUntil([&] { return WindowText(edit) == name; })) << "typed into the box: \"" << WindowText(edit) << "\"";
  if (!screenshot.empty()) ScreenshotOf(host, screenshot);
  PressKey(VK_RETURN);
  return WaitUntil([&] { return !IsWindow(box); });
}

TEST(Browser, HeaderSwitchesTheViewColumnsSortNewFoldersAreEnteredAndTheLastIsChosen) {
  const BrowsedFolder folder;
  const Process host = StartHost(folder.Path(""), folder.ResultFile());
  HWND browser = ShownWindow(host, "TDIR2VIEWForm");
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(WindowText(browser), "登録先フォルダーの選択");
  const RemoteBuffer buffer(host.Id());
  HWND folderEdit = ChildOfClass(browser, "Edit");
  HWND tree = ChildOfClass(browser, WC_TREEVIEWA);
  HWND folderList = ChildOfClass(browser, "ListBox");
  HWND paneHeader = ChildOfClass(browser, WC_HEADERA);
  HWND files = ChildOfClass(browser, WC_LISTVIEWA);
  HWND fileHeader = ChildOfClass(files, WC_HEADERA);
  ASSERT_TRUE(folderEdit && tree && folderList && paneHeader && files && fileHeader);

  // The tree first, the start folder's files by name.
  ASSERT_TRUE(WaitUntil([&] {
    return WindowText(folderEdit) == folder.Path("") && Shown(tree) && !Shown(folderList) &&
           HeaderText(buffer, paneHeader, 0).ends_with("ｺ　ツリーフォルダー");
  })) << WindowText(folderEdit) << " " << HeaderText(buffer, paneHeader, 0);
  EXPECT_EQ(ListedNames(buffer, files), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(HeaderText(buffer, fileHeader, 0), "3ｺ　ファイル名");

  // The keyboard serves the folder tree at once: Down goes to the subfolder, Up back.
  ASSERT_TRUE(ReadyForKeys(browser));
  PressKey(VK_DOWN);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(folderEdit) == folder.Path("Sub"); })) << WindowText(folderEdit);
  PressKey(VK_UP);
  EXPECT_TRUE(WaitUntil([&] {
    return WindowText(folderEdit) == folder.Path("") && ListedNames(buffer, files).size() == 3;
  })) << WindowText(folderEdit);
  // サイズ: ascending by the number first, then descending.
  struct Sorting {
    int column;
    std::vector<std::string> names;
  };
  int quarter = 0;
  for (const Sorting& sorting : {Sorting{1, {"b.txt", "a.txt", "c.txt"}}, Sorting{1, {"c.txt", "a.txt", "b.txt"}},
                                 Sorting{0, {"c.txt", "b.txt", "a.txt"}}}) {
    ClickColumn(files, sorting.column, ++quarter);
    EXPECT_TRUE(WaitUntil([&] { return ListedNames(buffer, files) == sorting.names; }))
        << "column " << sorting.column << ": " << testing::PrintToString(ListedNames(buffer, files));
  }
  ScreenshotOf(host, "browser-tree-sorted-files");

  // The header's section switches to the folder list, which counts its rows there.
  const RECT section = WindowRect(paneHeader);
  ClickAt((section.left + section.right) / 2, (section.top + section.bottom) / 2);
  EXPECT_TRUE(WaitUntil([&] {
    const auto rows = SendMessageA(folderList, LB_GETCOUNT, 0, 0);
    return Shown(folderList) && !Shown(tree) && HeaderText(buffer, paneHeader, 0) == std::to_string(rows) + "ｺ　フォルダー";
  })) << HeaderText(buffer, paneHeader, 0);
  ScreenshotOf(host, "browser-folder-list");

  // A new folder is entered at once; the next box proposes its name and lists it as history.
  ASSERT_TRUE(NewFolder(host, browser, "First", "browser-input-box"));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(folderEdit) == folder.Path("First"); })) << WindowText(folderEdit);
  EXPECT_TRUE(WaitUntil([&] { return HeaderText(buffer, fileHeader, 0) == "0ｺ　ファイル名"; }));
  ASSERT_TRUE(NewFolder(host, browser, "Second", "", [&](HWND box) {
    EXPECT_EQ(WindowText(ChildOfClass(box, "Edit")), "First");
    HWND history = ChildOfClass(box, "ComboBox");
    ASSERT_TRUE(PressButton(box, "H"));
    ASSERT_TRUE(WaitUntil([&] { return Shown(history); }));
    EXPECT_EQ(SendMessageA(history, CB_GETCOUNT, 0, 0), 1);
    PostMessageA(history, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(history, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    ScreenshotOf(host, "browser-input-box-history");
    PostMessageA(history, CB_SHOWDROPDOWN, FALSE, 0);
    ASSERT_TRUE(PressButton(box, "off"));
    ASSERT_TRUE(WaitUntil([&] { return !Shown(history); }));
  }));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(folderEdit) == folder.Path("First\\Second"); })) << WindowText(folderEdit);

  // Enter presses 設定, which hands the folder back.
  ASSERT_TRUE(ReadyForKeys(browser));
  PressKey(VK_RETURN);
  EXPECT_EQ(host.WaitForExit(), 1u);
  EXPECT_EQ(FileText(folder.ResultFile()), "1\n" + folder.Path("First\\Second") + "\n");
}

}  // namespace
}  // namespace e2e
