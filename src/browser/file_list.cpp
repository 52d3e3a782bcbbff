#include "browser/file_list.h"

#include "ui/win32.h"
// After the window definitions it builds on.
#include <commctrl.h>

#include "browser/file_filter.h"
#include "browser/file_texts.h"
#include "common/path_helpers.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/child_control.h"

namespace {

constexpr const char* ColumnCaptions[] = {"ファイル名", "サイズ", "種類", "日付", "属性"};

DayNames ShortDayNames() {
  DayNames names;
  // LOCALE_SABBREVDAYNAME1 is Monday; the list wants Sunday first.
  for (int i = 0; i < 7; ++i) {
    char name[32] = {};
    const LCTYPE type = i == 0 ? LOCALE_SABBREVDAYNAME7 : LOCALE_SABBREVDAYNAME1 + static_cast<LCTYPE>(i - 1);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, name, sizeof name);
    names[static_cast<std::size_t>(i)] = name;
  }
  return names;
}

std::string FileDate(const FILETIME& written, const DayNames& dayNames) {
  FILETIME local;
  SYSTEMTIME t;
  if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &t)) return std::string();
  return DateText({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wDayOfWeek}, dayNames);
}

}  // namespace

bool FileList::Create(HWND parent, const Bounds& bounds, HFONT font) {
  font_ = font;
  window_ = CreateChildWindow({WC_LISTVIEWA, "",
                               LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE, parent,
                               bounds, font});
  if (!window_) return false;
  ListView_SetExtendedListViewStyle(window_, LVS_EX_FULLROWSELECT);
  for (int i = 0; i < static_cast<int>(FileColumnCount); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = (i == 1 || i == 4) ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.pszText = const_cast<char*>(ColumnCaptions[i]);
    column.iSubItem = i;
    SendMessageA(window_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  SetBounds(bounds);
  return true;
}

void FileList::SetBounds(const Bounds& bounds) {
  WindowView::SetBounds(bounds);
  const int w = bounds.width;
  const DpiScale s = ScaleOf(window_);
  const int widths[] = {w / 3 - s(24), w / 5 - s(10), w / 9 - s(10), w / 3 - s(10), w / 9 - s(10)};
  for (int i = 0; i < static_cast<int>(FileColumnCount); ++i) ListView_SetColumnWidth(window_, i, std::max(widths[i], 0));
}

void FileList::SetRowFont(HFONT font) {
  font_ = font;
  for (FontHandle& derived : fonts_) derived.Reset();
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void FileList::SetNameCaption(const std::string& caption) const {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(window_, LVM_SETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void FileList::SetColours(COLORREF background, COLORREF text) const {
  ListView_SetBkColor(window_, background);
  ListView_SetTextBkColor(window_, background);
  ListView_SetTextColor(window_, text);
  InvalidateRect(window_, nullptr, TRUE);
}

std::optional<int> FileList::Fill(const std::string& folder, const std::string& patterns) {
  const unsigned fill = ++fills_;
  const DayNames dayNames = ShortDayNames();
  SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(window_);
  rows_.clear();
  for (const std::string& pattern : SplitPatterns(patterns)) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((AddTrailingSeparator(folder) + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      // Read-only, hidden, system and archived files are listed (0x27); folders are not.
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const std::uint64_t size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
      rows_.push_back({{found.cFileName, SizeText(size), TypeText(found.cFileName), FileDate(found.ftLastWriteTime, dayNames),
                        AttributeText(found.dwFileAttributes)},
                       (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0,
                       (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0});
      if (rows_.size() % 1000 == 0) {
        Application::ProcessMessages();
        if (fills_ != fill) {
          FindClose(search);
          return std::nullopt;
        }
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  ListView_SetItemCount(window_, static_cast<int>(rows_.size()));
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(rows_[i].texts[0].c_str());
    item.lParam = static_cast<LPARAM>(i);
    const int index = static_cast<int>(SendMessageA(window_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (int column = 1; column < static_cast<int>(FileColumnCount); ++column) {
      LVITEMA sub{};
      sub.iSubItem = column;
      sub.pszText = const_cast<char*>(rows_[i].texts[static_cast<std::size_t>(column)].c_str());
      SendMessageA(window_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&sub));
    }
  }
  sortFlags_.Reset();
  Sort(FileColumn::Name, false);
  SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
  return static_cast<int>(rows_.size());
}

void FileList::ColumnClick(int column) {
  if (sorting_ || column < 0 || column >= static_cast<int>(FileColumnCount)) return;
  sorting_ = true;
  const auto which = static_cast<FileColumn>(column);
  Sort(which, sortFlags_.Click(which));
  const int selected = ListView_GetNextItem(window_, -1, LVNI_SELECTED);
  if (selected >= 0) ListView_EnsureVisible(window_, selected, FALSE);
  sorting_ = false;
}

void FileList::Sort(FileColumn column, bool descending) {
  struct Context {
    const std::vector<Row>* rows;
    FileColumn column;
    bool descending;
  } context{&rows_, column, descending};
  const PFNLVCOMPARE compare = [](LPARAM a, LPARAM b, LPARAM data) -> int {
    const auto& c = *reinterpret_cast<const Context*>(data);
    const auto index = static_cast<std::size_t>(c.column);
    const auto [first, second] = ComparedTexts(c.column, (*c.rows)[static_cast<std::size_t>(a)].texts[index],
                                               (*c.rows)[static_cast<std::size_t>(b)].texts[index]);
    return Directed(lstrcmpA(first.c_str(), second.c_str()), c.descending);
  };
  SendMessageA(window_, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context), reinterpret_cast<LPARAM>(compare));
}

std::string FileList::SelectedName() const {
  const int selected = ListView_GetNextItem(window_, -1, LVNI_SELECTED);
  if (selected < 0) return std::string();
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = selected;
  SendMessageA(window_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  const auto index = static_cast<std::size_t>(item.lParam);
  return index < rows_.size() ? rows_[index].texts[0] : std::string();
}

std::vector<std::string> FileList::Names() const {
  std::vector<std::string> names;
  for (int i = 0, n = ListView_GetItemCount(window_); i < n; ++i) {
    char text[MAX_PATH] = {};
    ListView_GetItemText(window_, i, 0, text, sizeof text);
    names.push_back(text);
  }
  return names;
}

HFONT FileList::RowFont(bool bold, bool italic, bool struck) {
  const std::size_t key = (bold ? 1 : 0) | (italic ? 2 : 0) | (struck ? 4 : 0);
  if (key == 0) return font_;
  if (!fonts_[key]) {
    LOGFONTA face{};
    GetObjectA(font_ ? font_ : GuiFont(WindowDpi(window_)), sizeof face, &face);
    face.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    face.lfItalic = italic;
    face.lfStrikeOut = struck;
    fonts_[key] = FontHandle(CreateFontIndirectA(&face));
  }
  return fonts_[key].Get();
}

bool FileList::Notify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != window_) return false;
  switch (header.code) {
    case NM_CLICK:
      if (onClick) onClick();
      return true;
    case LVN_COLUMNCLICK:
      ColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
      return true;
    case NM_CUSTOMDRAW: {
      auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
      if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
        return true;
      }
      if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        const auto index = static_cast<std::size_t>(draw.nmcd.lItemlParam);
        const bool selected =
            ListView_GetItemState(window_, static_cast<int>(draw.nmcd.dwItemSpec), LVIS_SELECTED) & LVIS_SELECTED;
        const Row* row = index < rows_.size() ? &rows_[index] : nullptr;
        SelectObject(draw.nmcd.hdc, RowFont(selected, row && row->system, row && row->hidden));
        result = CDRF_NEWFONT;
        return true;
      }
      result = CDRF_DODEFAULT;
      return true;
    }
    default:
      return false;
  }
}
