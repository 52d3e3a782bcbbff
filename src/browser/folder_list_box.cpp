#include "browser/folder_list_box.h"

#include "ui/dpi.h"

namespace {
constexpr int RowHeight = 16;
constexpr int GlyphSide = 19;
}  // namespace

bool FolderListBox::Create(HWND parent, const Bounds& bounds, HFONT font, HFONT boldFont) {
  if (!CreateControl({"LISTBOX", "", LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                      WS_EX_CLIENTEDGE, parent, bounds, font})) {
    return false;
  }
  SetFonts(font, boldFont);
  return true;
}

void FolderListBox::SetFonts(HFONT font, HFONT boldFont) {
  const DpiScale scale = ScaleOf(window_);
  font_ = font;
  boldFont_ = boldFont;
  glyphSide_ = scale(GlyphSide);
  glyphs_ = MakeGlyphList({glyphSide_, glyphSide_}, {BrowserGlyph::ClosedFolder, BrowserGlyph::OpenFolder});
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(window_, LB_SETITEMHEIGHT, 0, scale(RowHeight));
  InvalidateRect(window_, nullptr, TRUE);
}

void FolderListBox::SetRows(std::vector<Row> rows, int selected) {
  rows_ = std::move(rows);
  SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(window_, LB_RESETCONTENT, 0, 0);
  for (std::size_t i = 0; i < rows_.size(); ++i) SendMessageA(window_, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
  SendMessageA(window_, LB_SETCURSEL, selected, 0);
  SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
}

int FolderListBox::Selected() const { return static_cast<int>(SendMessageA(window_, LB_GETCURSEL, 0, 0)); }

bool FolderListBox::OnNotification(WORD code) {
  if (code != LBN_SELCHANGE || !onClick) return false;
  onClick();
  return true;
}

bool FolderListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const RECT& r = item.rcItem;
  // The field colour comes from the window (WM_CTLCOLORLISTBOX).
  HBRUSH background = reinterpret_cast<HBRUSH>(
      SendMessageA(GetParent(window_), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window_)));
  const COLORREF text = GetTextColor(dc);
  FillRect(dc, &r, background ? background : GetSysColorBrush(COLOR_WINDOW));
  if (item.itemID >= rows_.size()) return true;
  const Row& row = rows_[item.itemID];
  const DpiScale scale = ScaleOf(window_);
  const int glyphLeft = r.left + scale(2 + 4 * row.level);
  ImageList_Draw(glyphs_.Get(), row.open ? 1 : 0, dc, glyphLeft, r.top + (r.bottom - r.top - glyphSide_) / 2,
                 ILD_TRANSPARENT);
  const HGDIOBJ old = SelectObject(dc, selected ? boldFont_ : font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  RECT textArea{glyphLeft + glyphSide_, r.top, r.right, r.bottom};
  DrawTextA(dc, row.name.c_str(), static_cast<int>(row.name.size()), &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
  return true;
}
