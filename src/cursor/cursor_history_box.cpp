#include "cursor/cursor_history_box.h"

#include <algorithm>

#include "common/path_helpers.h"
#include "common/work_files.h"
#include "cursor/cursor_pictures.h"
#include "cursor/load_cursor_entry.h"
#include "ui/dpi.h"
#include "ui/handles.h"

namespace {

constexpr const char* CgLoadFailedText = "ＣＧロードに失敗しました";

const FileDialogSetup CursorDialogSetup{
    "カーソルの選択",
    "ｶｰｿﾙ/ｱｲｺﾝ/ｱﾆﾒ files (*.CUR;*.IC?;*.ANI)|*.CUR;*.IC?;*.ANI|EXE/DLL files (*.EXE;*.DLL)|*.EXE;*.DLL|"
    "カーソル files (*.CUR)|*.CUR|アイコン files (*.ICO)|*.ICO|独自アイコン files (*.IC?)|*.IC?|"
    "アニメ files (*.ANI)|*.ANI|32*32_256色BMP files (*.BMP)|*.BMP|ALL files (*.*)|*.*",
    "", "*.CUR;*.IC?;*.ANI", OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST};

}  // namespace

CursorHistoryBox::CursorHistoryBox(Workspace& workspace, MainWindowServices& window, CursorPreview& preview,
                                   CursorLists& lists, Controls controls)
    : workspace_(workspace), window_(window), preview_(preview), lists_(lists), controls_(controls) {}

void CursorHistoryBox::Create() {
  controls_.ColorBtn_Load.OnClick = [this] { SelectCursorFile(); };
  controls_.ColorBtn_Load.OnRightDown = [this] { ColorBtn_LoadMouseDown(); };
  OwnerDrawnComboBox& list = controls_.ComboBox_Icon_File;
  list.onSelect = [this] { ComboBox_Icon_FileClick(); };
  list.onKeyDown = [this](WPARAM key) { return ComboBox_Icon_FileKeyDown(key); };
  list.onDrawItem = [this](const DRAWITEMSTRUCT& item) { ComboBox_Icon_FileDrawItem(item); };
}

std::string CursorHistoryBox::HistoryFile() const { return workspace_.programFolder + CursorHistoryListFile; }

bool CursorHistoryBox::Compose(COLORREF background, Picture& into) const {
  const CurrentCursor& cursor = workspace_.cursor;
  return ComposeCursor(cursor, background, cursor.fromBitmap, into);
}

int CursorHistoryBox::TakeThumbnail(const Picture& composition) {
  const int slot = history_.FirstFreeSlot();
  if (slot < 0 || !MakeThumbnail(composition, ThumbnailSize(), thumbnails_[static_cast<std::size_t>(slot)])) {
    return CursorHistory::NoSlot;
  }
  return slot;
}

Size CursorHistoryBox::ThumbnailSize() const {
  return ScaleOf(controls_.ComboBox_Icon_File.Handle())(Size{16, 16});
}

void CursorHistoryBox::ShowItems() {
  OwnerDrawnComboBox& list = controls_.ComboBox_Icon_File;
  list.Clear();
  for (std::size_t i = 0; i < history_.Items().size(); ++i) list.Add(static_cast<LPARAM>(i));
  // Slots no item holds any more are free again.
  for (std::size_t slot = 0; slot < thumbnails_.size(); ++slot) {
    if (!history_.SlotUsed(static_cast<int>(slot))) thumbnails_[slot].Clear();
  }
}

void CursorHistoryBox::WidenFor(const std::string& name) {
  OwnerDrawnComboBox& list = controls_.ComboBox_Icon_File;
  const int wanted = TextWidth(window_.Window().Font(), name) + ScaleOf(list.Handle())(51);
  const Bounds b = list.GetBounds();
  if (b.width < wanted) list.SetBounds({b.left, b.top, wanted, b.height});
}

void CursorHistoryBox::AddToCursorHistory(const std::string& name, const Picture& composition) {
  history_.Add(name, TakeThumbnail(composition));
  ShowItems();
  WidenFor(name);
  controls_.ComboBox_Icon_File.Select(0);
}

void CursorHistoryBox::SelectCursorFile() {
  if (!OpenDialog1.Configured()) OpenDialog1.Configure(CursorDialogSetup);
  MainSettings& s = workspace_.settings;
  if (OpenDialog1.Run(window_.Window().Handle(), RemoveTrailingSeparator(s.iconPath)) != FileDialogResult::Chosen) {
    MessageBeep(0xFFFFFFFF);
    return;
  }
  s.iconPath = OpenDialog1.Folder();
  std::string file;
  for (const std::string& chosen : OpenDialog1.FileNames()) {
    if (CountCursorImages(chosen) != 0) {
      file = chosen;
      break;
    }
  }
  if (file.empty()) {
    window_.ShowMsgTimed("対象ＣＧファイルが選択されていません・・・", 1);
    return;
  }
  Picture composition;
  if (!LoadChosenCursor(file, composition)) return;
  preview_.RenderCursorPreview();
  AddToCursorHistory(file, composition);
  ListAndLayOut();
}

bool CursorHistoryBox::LoadChosenCursor(const std::string& file, Picture& composition) {
  CurrentCursor& cursor = workspace_.cursor;
  cursor.sourceFile.clear();
  const int result = LoadCursorEntry(file, 0, cursor, workspace_.screenDepth);
  preview_.ShowHotSpot();
  if (result < 1) {
    window_.ShowMsgTimed(CgLoadFailedText, 1);
    return false;
  }
  Compose(window_.Window().Colour(), composition);
  return true;
}

void CursorHistoryBox::ListAndLayOut() {
  if (!workspace_.cursor.sourceFile.empty()) lists_.ListFileImages(workspace_.cursor.sourceFile);
  lists_.LayoutCursorBoxes();
}

void CursorHistoryBox::ColorBtn_LoadMouseDown() {
  OwnerDrawnComboBox& list = controls_.ComboBox_Icon_File;
  if (list.Count() < 1) return;
  list.Show();
  list.BringToTop();
  list.ShowList(true);
}

void CursorHistoryBox::ComboBox_Icon_FileClick() {
  OwnerDrawnComboBox& list = controls_.ComboBox_Icon_File;
  const int index = list.Selected();
  if (index < 0 || static_cast<std::size_t>(index) >= history_.Items().size()) return;
  const std::string name = history_.Items()[static_cast<std::size_t>(index)].name;
  Picture composition;
  if (!LoadChosenCursor(name, composition)) return;
  history_.MoveToTop(static_cast<std::size_t>(index), TakeThumbnail(composition));
  ShowItems();
  list.Select(0);
  preview_.RenderCursorPreview();
  ListAndLayOut();
  list.ShowList(false);
  list.Hide();
  window_.HideForWork();
  window_.StartReshow();
}

bool CursorHistoryBox::ComboBox_Icon_FileKeyDown(WPARAM key) {
  if (key != VK_DELETE) return false;
  OwnerDrawnComboBox& list = controls_.ComboBox_Icon_File;
  const int index = list.Selected();
  if (index < 0 || static_cast<std::size_t>(index) >= history_.Items().size()) return true;
  history_.Remove(static_cast<std::size_t>(index));
  ShowItems();
  const int count = list.Count();
  if (count == 0) {
    list.ShowList(false);
    list.Hide();
  } else {
    list.Select(std::min(index, count - 1));
  }
  return true;
}

void CursorHistoryBox::ComboBox_Icon_FileDrawItem(const DRAWITEMSTRUCT& item) const {
  const auto index = static_cast<std::size_t>(item.itemID);
  if (history_.Items().empty() || item.itemID == static_cast<UINT>(-1) || index >= history_.Items().size()) return;
  const bool selected = item.itemState & ODS_SELECTED;
  SetDCBrushColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  const CursorHistory::Item& entry = history_.Items()[index];
  const DpiScale scale = ScaleOf(item.hwndItem);
  int textLeft = item.rcItem.left + scale(1);
  if (entry.thumbnail != CursorHistory::NoSlot && !thumbnails_[static_cast<std::size_t>(entry.thumbnail)].Empty()) {
    thumbnails_[static_cast<std::size_t>(entry.thumbnail)].Draw(item.hDC, item.rcItem.left + scale(1), item.rcItem.top);
    textLeft = item.rcItem.left + scale(21);
  }
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  // The list's own font: the DC may come with a larger one than the items' height takes.
  const auto font = reinterpret_cast<HFONT>(SendMessageA(controls_.ComboBox_Icon_File.Handle(), WM_GETFONT, 0, 0));
  SelectedObject selectedFont(item.hDC, font ? font : GuiFont(scale.Dpi()));
  TextOutA(item.hDC, textLeft, item.rcItem.top, entry.name.c_str(), static_cast<int>(entry.name.size()));
}

void CursorHistoryBox::LoadHistory() {
  OwnerDrawnComboBox& list = controls_.ComboBox_Icon_File;
  list.SetItemHeight(std::max(1, controls_.Panel_SIZE.Height() - ScaleOf(list.Handle())(6)));
  const Bounds b = list.GetBounds();
  list.SetBounds({0, b.top, b.width, b.height});
  // A file that cannot be read, or is larger than any list of ours, gives an empty list.
  history_ = CursorHistory(ParseCursorHistory(listFile_.Read(HistoryFile())));
  CurrentCursor& cursor = workspace_.cursor;
  for (std::size_t i = 0; i < history_.Items().size(); ++i) {
    const std::string name = history_.Items()[i].name;
    if (LoadCursorEntry(name, 0, cursor, workspace_.screenDepth) < 1) continue;
    Picture composition;
    if (!Compose(GetSysColor(COLOR_WINDOW), composition)) continue;
    if (MakeThumbnail(composition, ThumbnailSize(), thumbnails_[i])) history_.SetThumbnail(i, static_cast<int>(i));
    WidenFor(name);
  }
  ShowItems();
  controls_.ComboBox_Icon_File.Select(0);
}

bool CursorHistoryBox::SaveHistory() const {
  std::vector<std::string> names;
  for (const CursorHistory::Item& item : history_.Items()) names.push_back(item.name);
  return listFile_.Write(names);
}
