// The browser's navigation: drives, going to a folder with recovery, the folder list and tree,
// and the file list.
#include "browser/browser_texts.h"
#include "browser/dir2view_form.h"
#include "common/path_helpers.h"
#include "common/shift_jis.h"
#include "shell/file_system.h"
#include "shell/shell_folders.h"
#include "ui/application.h"

namespace {

// Falling back may itself fail and fall back again (a drive that is gone, a root that cannot
// be listed); past this depth the browser gives up with its message instead of going round.
constexpr int MaxRecoveryDepth = 4;

bool SameFolder(const std::string& a, const std::string& b) {
  return AsciiUpperCase(RemoveTrailingSeparator(a)) == AsciiUpperCase(RemoveTrailingSeparator(b));
}

HTREEITEM AddNode(HWND tree, HTREEITEM parent, const std::string& text) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.iImage = 0;
  insert.item.iSelectedImage = 1;
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::string NodeText(HWND tree, HTREEITEM node) {
  char text[MAX_PATH * 2] = {};
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = node;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}

// The node texts from the root down, each followed by a separator (the root has its own).
std::string NodePath(HWND tree, HTREEITEM node) {
  std::string path;
  for (; node; node = TreeView_GetParent(tree, node)) path = AddTrailingSeparator(NodeText(tree, node)) + path;
  return RemoveTrailingSeparator(path);
}

void SetBold(HWND tree, HTREEITEM node, bool bold) {
  if (node) TreeView_SetItemState(tree, node, bold ? TVIS_BOLD : 0, TVIS_BOLD);
}

void ExpandAll(HWND tree, HTREEITEM node) {
  for (; node; node = TreeView_GetNextSibling(tree, node)) {
    TreeView_Expand(tree, node, TVE_EXPAND);
    ExpandAll(tree, TreeView_GetChild(tree, node));
  }
}

int CountNodes(HWND tree) { return static_cast<int>(TreeView_GetCount(tree)); }

}  // namespace

void TDIR2VIEWForm::FillDrives() {
  driveList_.Fill(ExecutableFolder());
  driveList_.LabelSelected();
  history_.Clear();
  Button_HF.SetEnabled(false);
}

bool TDIR2VIEWForm::GoToFolder(std::string path) {
  path = RemoveTrailingSeparator(path);
  if (path.empty()) return false;
  if (!FolderExists(path) && !ResolveDisplayPath(path, SystemShell())) return false;
  if (!SetCurrentDirectoryA(path.c_str())) return false;
  driveMemory_.Record(path);
  driveList_.Select(path.front());
  ComboBox2Click(path.front());
  return true;
}

void TDIR2VIEWForm::GoToFolderOrProgram(const std::string& path) {
  if (!GoToFolder(path)) GoToFolder(ExecutableFolder());
}

void TDIR2VIEWForm::ComboBox2Click(char drive) {
  const std::string windowsRoot = windowsFolder_.substr(0, 3);
  if (!DriveList::DriveReady(drive)) {
    MKBoxDlg1.ShowMsgTimed("ドライブ・エラー発生\n" + std::string(1, drive) + "\n" + "元のドライブに戻します", 1);
    const bool listedOnIt = listedFolder_.empty() || AsciiUpperCase(listedFolder_.substr(0, 1)) == AsciiUpperCase(std::string(1, drive));
    FinalFallback(listedOnIt ? windowsRoot : listedFolder_);
    return;
  }
  driveList_.LabelSelected();
  std::string target;
  if (std::optional<std::string> remembered = driveMemory_.FolderOn(drive)) {
    target = *remembered;
  } else {
    // The system's current folder on that drive.
    char full[MAX_PATH] = {};
    const std::string relative = std::string(1, drive) + ":";
    const DWORD length = GetFullPathNameA(relative.c_str(), sizeof full, full, nullptr);
    target = length > 0 && length < sizeof full ? std::string(full) : relative + "\\";
  }
  NavigateWithRecovery(target);
  Edit_Folder.SetText(currentFolder_);
}

void TDIR2VIEWForm::NavigateWithRecovery(const std::string& path) {
  if (!FillFolderPane(path)) {
    MKBoxDlg1.ShowMsgTimed("フォルダー・エラー発生\n" + path + "\n" + "エラーを回避してみます。", 1);
    FinalFallback(NearestExistingFolder(path, SystemShell(), windowsFolder_));
    return;
  }
  (view_ == View::Tree ? WindowView(TreeView1) : WindowView(ListBox1.Handle())).Redraw();
  if (!FillFiles(currentFolder_)) ShowFileListError();
}

void TDIR2VIEWForm::FinalFallback(const std::string& path) {
  const std::string root = windowsFolder_.substr(0, 1) + ":\\";
  if (recoveryDepth_ < MaxRecoveryDepth) {
    ++recoveryDepth_;
    const bool arrived = GoToFolder(path) || (!SameFolder(path, root) && GoToFolder(root));
    --recoveryDepth_;
    if (arrived) return;
  }
  MKBoxDlg1.ShowMsg("エラー回避に失敗しました\n" + root + "\n" + "別のドライブか、フォルダーを選択してみて下さい");
}

void TDIR2VIEWForm::ShowFileListError() {
  MKBoxDlg1.ShowMsg("ファイルリスト・エラー発生\n" + currentFolder_ + "\n" + "別のドライブか、フォルダーを選択してみて下さい");
}

bool TDIR2VIEWForm::EnterFolder(std::string& path) {
  path = RemoveTrailingSeparator(path);
  if (path.empty()) return false;
  if (!FolderExists(path) && !ResolveDisplayPath(path, SystemShell())) return false;
  if (!SetCurrentDirectoryA(path.c_str())) return false;
  currentFolder_ = path;
  driveMemory_.Record(path);
  Edit_Folder.SetText(path);
  return true;
}

bool TDIR2VIEWForm::FillFolderPane(const std::string& path) {
  HourglassGuard hourglass;
  return view_ == View::Tree ? FillTree(path) : FillFolderList(path);
}

bool TDIR2VIEWForm::FillFolderList(const std::string& path) {
  SetHeaderText(WorkingCaption(FolderCaption));
  std::string folder = path;
  std::optional<std::vector<std::string>> names;
  if (EnterFolder(folder)) names = ListShellSubfolderNames(folder);
  if (names) {
    std::string shown = folder;
    if (!ToDisplayPath(shown, SystemShell())) shown = folder;
    std::vector<FolderListBox::Row> rows;
    const std::vector<std::string> levels = ComponentsWithoutSeparators(shown);
    for (std::size_t i = 0; i < levels.size(); ++i) rows.push_back({levels[i], static_cast<int>(i), true});
    for (std::string& name : *names) rows.push_back({std::move(name), static_cast<int>(levels.size()), false});
    ListBox1.SetRows(std::move(rows), static_cast<int>(levels.size()) - 1);
  }
  SetHeaderText(CountCaption(static_cast<int>(ListBox1.Rows().size()), FolderCaption));
  return names.has_value();
}

void TDIR2VIEWForm::ListBox1Click() {
  const int index = ListBox1.Selected();
  const auto& rows = ListBox1.Rows();
  if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return;
  std::vector<std::string> names;
  std::size_t levelCount = 0;
  for (const FolderListBox::Row& row : rows) {
    names.push_back(row.name);
    if (row.open) ++levelCount;
  }
  NavigateWithRecovery(RowPath(names, levelCount, static_cast<std::size_t>(index)));
  Edit_Folder.SetText(currentFolder_);
}

bool TDIR2VIEWForm::FillTree(const std::string& path) {
  treeBuilding_ = true;
  SetHeaderText(WorkingCaption(TreeCaption));
  std::string folder = path;
  bool filled = EnterFolder(folder);
  if (filled) {
    SendMessageA(TreeView1, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(TreeView1);
    const std::vector<std::string> components = ComponentsWithoutSeparators(folder);
    HTREEITEM node = AddNode(TreeView1, TVI_ROOT, components.front());
    std::string sofar = components.front();
    for (std::size_t level = 0; level < components.size() && filled; ++level) {
      const std::optional<std::vector<std::string>> names = ListShellSubfolderNames(sofar);
      if (!names) {
        filled = false;
        break;
      }
      std::vector<HTREEITEM> children;
      for (const std::string& name : *names) children.push_back(AddNode(TreeView1, node, name));
      if (level + 1 == components.size()) break;
      const std::string& next = components[level + 1];
      std::optional<std::size_t> at;
      for (std::size_t i = 0; i < names->size() && !at; ++i) {
        if (AsciiUpperCase((*names)[i]) == AsciiUpperCase(next)) at = i;
      }
      if (!at) {
        // A localized display name: match the real names behind the same, equally sorted list.
        if (std::optional<Subfolders> real = SystemShell().ListSubfolders(sofar)) {
          for (std::size_t i = 0; i < real->parsingNames.size() && i < children.size() && !at; ++i) {
            const auto parts = ComponentsWithoutSeparators(real->parsingNames[i]);
            if (!parts.empty() && AsciiUpperCase(parts.back()) == AsciiUpperCase(next)) at = i;
          }
        } else {
          MKBoxDlg1.ShowMsgTimed("フォルダー・エラー発生\n" + sofar + "\n" + "別のフォルダーを選択して下さい☆", 1);
        }
      }
      // A folder the shell does not show still gets its node, so the path stays whole.
      node = at ? children[*at] : AddNode(TreeView1, node, next);
      sofar = AddTrailingSeparator(sofar) + next;
    }
    ExpandAll(TreeView1, TreeView_GetRoot(TreeView1));
    TreeView_SelectItem(TreeView1, node);
    SetBold(TreeView1, node, true);
    SendMessageA(TreeView1, WM_SETREDRAW, TRUE, 0);
    TreeView_EnsureVisible(TreeView1, node);
    InvalidateRect(TreeView1, nullptr, TRUE);
    if (IsWindowVisible(TreeView1) && IsWindowEnabled(TreeView1)) SetFocus(TreeView1);
  }
  SetHeaderText(CountCaption(CountNodes(TreeView1), TreeCaption));
  treeBuilding_ = false;
  return filled;
}

bool TDIR2VIEWForm::TreeNotify(const NMHDR& header) {
  if (header.code != TVN_SELCHANGEDA && header.code != TVN_SELCHANGEDW) return false;
  const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
  SetBold(TreeView1, change.itemOld.hItem, false);
  SetBold(TreeView1, change.itemNew.hItem, true);
  TreeView1Change();
  return true;
}

void TDIR2VIEWForm::TreeView1Change() {
  if (treeBuilding_ || treeChanging_) return;
  HTREEITEM node = TreeView_GetSelection(TreeView1);
  if (!node) return;
  treeChanging_ = true;
  HourglassGuard hourglass;
  std::string path = NodePath(TreeView1, node);
  bool entered = EnterFolder(path);
  if (entered) {
    if (TreeView_GetChild(TreeView1, node)) {
      TreeView_Expand(TreeView1, node, TVE_EXPAND);
    } else if (std::optional<std::vector<std::string>> names = ListShellSubfolderNames(path)) {
      for (const std::string& name : *names) AddNode(TreeView1, node, name);
      if (!names->empty()) TreeView_Expand(TreeView1, node, TVE_EXPAND);
    } else {
      entered = false;
    }
  }
  if (!entered) {
    MKBoxDlg1.ShowMsgTimed("フォルダー・エラー発生\n" + path + "\n" + "エラーを回避してみます。", 1);
    treeChanging_ = false;
    FinalFallback(NearestExistingFolder(path, SystemShell(), windowsFolder_));
    return;
  }
  SetHeaderText(CountCaption(CountNodes(TreeView1), TreeCaption));
  if (!FillFiles(currentFolder_)) ShowFileListError();
  treeChanging_ = false;
}

void TDIR2VIEWForm::HeaderControl1SectionClick() {
  HourglassGuard hourglass;
  const bool paneFocused = GetFocus() == FirstFocus();
  view_ = view_ == View::Tree ? View::List : View::Tree;
  ListBox1.SetShown(view_ == View::List);
  ShowWindow(TreeView1, view_ == View::Tree ? SW_SHOW : SW_HIDE);
  if (paneFocused) SetFocus(FirstFocus());
  if (!FillFolderPane(currentFolder_)) MKBoxDlg1.ShowMsg("フォルダーチェンジ・エラー");
}

bool TDIR2VIEWForm::FillFiles(const std::string& folder, Listing listing) {
  HourglassGuard hourglass;
  ListView1.SetNameCaption(WorkingCaption(FileCaption));
  std::string listed = RemoveTrailingSeparator(folder);
  if (listed.empty() || (!FolderExists(listed) && !ResolveDisplayPath(listed, SystemShell())) ||
      !SetCurrentDirectoryA(listed.c_str())) {
    return false;
  }
  listedFolder_ = listed;
  if (listing == Listing::NewVisit) history_.Append(listed);
  Button_HF.SetEnabled(history_.CanGoBack());
  // Nothing when a fill started meanwhile has listed its own folder and counted it.
  if (const std::optional<int> count = ListView1.Fill(listed, patterns_)) {
    ListView1.SetNameCaption(CountCaption(*count, FileCaption));
  }
  return true;
}
