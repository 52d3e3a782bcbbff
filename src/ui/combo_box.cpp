#include "ui/combo_box.h"

bool ComboBox::Create(HWND parent, const Bounds& bounds, HFONT font, bool editable) {
  const DWORD kind = editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
  return CreateControl({"COMBOBOX", "", kind | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0, parent, bounds, font});
}

void ComboBox::SetItems(const std::vector<std::string>& items) const {
  SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(window_, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) SendMessageA(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
}

std::vector<std::string> ComboBox::Items() const {
  std::vector<std::string> items;
  for (int i = 0, n = Count(); i < n; ++i) items.push_back(Item(i));
  return items;
}

std::string ComboBox::Item(int index) const {
  const LRESULT length = SendMessageA(window_, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(window_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int ComboBox::Count() const { return static_cast<int>(SendMessageA(window_, CB_GETCOUNT, 0, 0)); }
int ComboBox::Selected() const { return static_cast<int>(SendMessageA(window_, CB_GETCURSEL, 0, 0)); }
void ComboBox::Select(int index) const { SendMessageA(window_, CB_SETCURSEL, index, 0); }
void ComboBox::ShowList(bool shown) const { SendMessageA(window_, CB_SHOWDROPDOWN, shown, 0); }
bool ComboBox::OnNotification(WORD code) {
  if (code != CBN_SELCHANGE || !onSelect) return false;
  onSelect();
  return true;
}
