#include "ui/file_dialog.h"

#include <dlgs.h>

#include <algorithm>
#include <cstring>

#include "common/path_helpers.h"
#include "common/shift_jis.h"
#include "ui/dialog_placement.h"
#include "ui/handles.h"

namespace {

// Room for a multiple selection of several long names.
constexpr std::size_t NameBufferSize = 32 * 1024;
// Room between an entry's text and the face's edge, as the box draws it.
constexpr int TypeTextMargin = 8;

// The widest entry of the type box in its own font; 0 when there is none.
int WidestType(HWND box) {
  WindowDc dc(box);
  if (!dc.Get()) return 0;
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0));
  SelectedObject selected(dc.Get(), font ? font : GetStockObject(SYSTEM_FONT));
  int widest = 0;
  const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length <= 0) continue;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    SIZE extent{};
    if (GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(std::strlen(text.c_str())), &extent)) {
      widest = std::max(widest, static_cast<int>(extent.cx));
    }
  }
  return widest;
}

// The type box (cmb1) of the dialogs that have one is as wide as the dialog leaves it, which cuts
// a long type such as the pictures' first one. The dialog is widened by what the widest entry
// lacks; its own layout widens the box with it. The list drops down as wide as its entries too.
void FitTypeBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, cmb1);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!box || !GetComboBoxInfo(box, &info)) return;
  const int widest = WidestType(box);
  const int face = info.rcItem.right - info.rcItem.left;
  const int lacking = widest + TypeTextMargin - face;
  if (lacking <= 0) return;
  RECT own{};
  GetWindowRect(dialog, &own);
  SetWindowPos(dialog, nullptr, 0, 0, own.right - own.left + lacking, own.bottom - own.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT boxRect{};
  GetWindowRect(box, &boxRect);
  const int listWidth = widest + TypeTextMargin + GetSystemMetrics(SM_CXVSCROLL);
  if (boxRect.right - boxRect.left < listWidth) SendMessageA(box, CB_SETDROPPEDWIDTH, listWidth, 0);
}

}  // namespace

std::string DialogFilter(const std::string& filter) {
  std::string result;
  for (std::size_t i = 0; i < filter.size(); ++i) {
    const auto byte = static_cast<unsigned char>(filter[i]);
    if (IsShiftJisLeadByte(byte) && i + 1 < filter.size()) {
      result += filter.substr(i, 2);
      ++i;
    } else {
      result += byte == '|' ? '\0' : static_cast<char>(byte);
    }
  }
  result += '\0';
  result += '\0';
  return result;
}

void FileDialog::Configure(const FileDialogSetup& setup) {
  setup_ = setup;
  fileName_ = setup.fileName;
  configured_ = true;
}

FileDialogResult FileDialog::Run(HWND owner, const std::string& initialFolder) {
  std::string buffer(NameBufferSize, '\0');
  buffer.replace(0, std::min(fileName_.size(), NameBufferSize - 2), fileName_.substr(0, NameBufferSize - 2));
  const std::string filter = DialogFilter(setup_.filter);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  dialog.lpstrTitle = setup_.title.c_str();
  dialog.lpstrDefExt = setup_.defaultExtension.empty() ? nullptr : setup_.defaultExtension.c_str();
  dialog.Flags = setup_.options | OFN_EXPLORER;
  if (setup_.extension) setup_.extension->Attach(dialog);

  const SystemDialogPlacement placement(FitTypeBox);
  const BOOL chosen = kind_ == Kind::Save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (!chosen) return CommDlgExtendedError() == 0 ? FileDialogResult::Cancelled : FileDialogResult::Failed;

  filterIndex_ = static_cast<int>(dialog.nFilterIndex);
  const std::string first(buffer.c_str());
  const std::size_t offset = dialog.nFileOffset;
  if (offset > 0 && offset < buffer.size() && buffer[offset - 1] == '\0') {
    // A multiple selection: the folder, then the names, each ending in a zero.
    folder_ = AddTrailingSeparator(first);
    fileNames_.clear();
    for (std::size_t at = offset; at < buffer.size() && buffer[at] != '\0';) {
      const std::string name(buffer.c_str() + at);
      fileNames_.push_back(folder_ + name);
      at += name.size() + 1;
    }
    fileName_ = fileNames_.front();
  } else {
    folder_ = first.substr(0, std::min(offset, first.size()));
    fileName_ = first;
    fileNames_ = {first};
  }
  return FileDialogResult::Chosen;
}
