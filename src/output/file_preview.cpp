#include "output/file_preview.h"

#include <dlgs.h>

#include <utility>

#include "common/geometry.h"

namespace {

constexpr WORD PaneId = 0x4A1;
// Dialog units.
constexpr short PaneLeft = 6;
constexpr short PaneTop = 16;
constexpr short PaneSide = 100;

// A child dialog template: the standard controls go where stc32 stands, our pane to its right.
// stc32 is as tall as the pane, so that the pane counts as beside it and not as below it.
std::vector<WORD> PaneTemplate() {
  std::vector<WORD> t;
  auto dword = [&t](DWORD value) {
    t.push_back(LOWORD(value));
    t.push_back(HIWORD(value));
  };
  auto item = [&](DWORD style, short x, short y, short cx, short cy, WORD id) {
    if (t.size() % 2 != 0) t.push_back(0);  // items start on a DWORD boundary
    dword(style);
    dword(0);
    for (short value : {x, y, cx, cy}) t.push_back(static_cast<WORD>(value));
    t.push_back(id);
    t.push_back(0xFFFF);  // predefined class: static
    t.push_back(0x0082);
    t.push_back(0);  // no text
    t.push_back(0);  // no creation data
  };
  dword(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL);
  dword(0);
  t.push_back(2);  // items
  for (short value : {short{0}, short{0}, static_cast<short>(PaneLeft + PaneSide + 6), static_cast<short>(PaneTop + PaneSide)}) {
    t.push_back(static_cast<WORD>(value));
  }
  t.push_back(0);  // no menu
  t.push_back(0);  // default class
  t.push_back(0);  // no title
  item(WS_CHILD, 0, 0, 1, PaneTop + PaneSide, stc32);
  item(WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, PaneLeft + 1, PaneTop, PaneSide, PaneSide, PaneId);
  return t;
}

}  // namespace

FilePreview::FilePreview(PreviewReader reader) : reader_(std::move(reader)), template_(PaneTemplate()) {}

void FilePreview::Attach(OPENFILENAMEA& dialog) {
  dialog.Flags |= OFN_ENABLEHOOK | OFN_ENABLETEMPLATEHANDLE | OFN_ENABLESIZING;
  dialog.hInstance = reinterpret_cast<HINSTANCE>(template_.data());
  dialog.lpfnHook = Hook;
  dialog.lCustData = reinterpret_cast<LPARAM>(this);
}

UINT_PTR CALLBACK FilePreview::Hook(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(child, DWLP_USER, reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
    return TRUE;
  }
  auto* self = reinterpret_cast<FilePreview*>(GetWindowLongPtrA(child, DWLP_USER));
  if (!self) return 0;
  try {
    const UINT code = message == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(lParam)->code : 0;
    if (code == CDN_SELCHANGE) {
      char path[4 * MAX_PATH] = {};
      if (SendMessageA(GetParent(child), CDM_GETFILEPATH, sizeof path, reinterpret_cast<LPARAM>(path)) > 0) {
        self->Show(GetDlgItem(child, PaneId), path);
      }
    } else if (message == WM_DRAWITEM && wParam == PaneId) {
      self->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    }
  } catch (...) {
    // A file the preview cannot show leaves the pane empty; the dialog goes on.
    self->picture_.Clear();
  }
  return 0;
}

void FilePreview::Show(HWND pane, const std::string& file) {
  picture_.Clear();
  RECT area{};
  GetClientRect(pane, &area);
  Picture full;
  if (const auto decoded = reader_(file); decoded && full.Assign(*decoded)) {
    if (const auto fit = FitInside(full.GetSize(), {area.right - 2, area.bottom - 2})) picture_.StretchFrom(full, *fit);
  }
  InvalidateRect(pane, nullptr, TRUE);
}

void FilePreview::Draw(const DRAWITEMSTRUCT& item) const {
  const RECT& r = item.rcItem;
  FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
  FrameRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNSHADOW));
  if (picture_.Empty()) return;
  picture_.Draw(item.hDC, r.left + (r.right - r.left - picture_.Width()) / 2, r.top + (r.bottom - r.top - picture_.Height()) / 2);
}
