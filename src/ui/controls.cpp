#include "ui/controls.h"

bool ListBox::Create(HWND parent, const Bounds& bounds) {
  return CreateControl({"LISTBOX", "", WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        WS_EX_CLIENTEDGE, parent, bounds});
}

void ListBox::Add(const std::string& item) const {
  SendMessageA(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ListBox::SetItems(const std::vector<std::string>& items) const {
  SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(window_, LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) Add(item);
  SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
}

void ListBox::SetItemHeight(int height) const { SendMessageA(window_, LB_SETITEMHEIGHT, 0, height); }

int ListBox::Count() const { return static_cast<int>(SendMessageA(window_, LB_GETCOUNT, 0, 0)); }

std::string ListBox::Item(int index) const {
  const LRESULT length = SendMessageA(window_, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(window_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

std::vector<std::string> ListBox::Items() const {
  std::vector<std::string> items;
  for (int i = 0, n = Count(); i < n; ++i) items.push_back(Item(i));
  return items;
}

void ListBox::DeselectAll() const { SendMessageA(window_, LB_SETSEL, FALSE, -1); }

void ListBox::Select(int index) const { SendMessageA(window_, LB_SETSEL, TRUE, index); }

std::vector<int> ListBox::SelectedIndices() const {
  const LRESULT count = SendMessageA(window_, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> indices(static_cast<std::size_t>(count));
  const LRESULT got = SendMessageA(window_, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(indices.data()));
  indices.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
  return indices;
}

int ListBox::CaretIndex() const {
  return Count() > 0 ? static_cast<int>(SendMessageA(window_, LB_GETCARETINDEX, 0, 0)) : -1;
}

void ListBox::SetCaretIndex(int index) const { SendMessageA(window_, LB_SETCARETINDEX, index, FALSE); }

bool ListBox::OnNotification(WORD code) {
  if (code != LBN_DBLCLK || !onDoubleClick) return false;
  onDoubleClick();
  return true;
}

bool Label::Create(HWND parent, const Bounds& bounds, const std::string& text, HFONT font, DWORD alignment) {
  // SS_NOTIFY: a plain static lets the mouse fall through to its parent.
  return CreateControl({"STATIC", text, alignment | SS_NOPREFIX | SS_NOTIFY, 0, parent, bounds, font});
}

bool Label::OnInput(const MSG& message) {
  if (message.message != WM_RBUTTONDOWN || !onRightDown) return false;
  onRightDown();
  return true;
}

bool CheckBox::Create(HWND parent, const Bounds& bounds, const std::string& caption, HFONT font) {
  return CreateControl({"BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP, 0, parent, bounds, font});
}

bool CheckBox::Checked() const { return SendMessageA(window_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) const {
  SendMessageA(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::OnNotification(WORD code) {
  if (code != BN_CLICKED || !onClick) return false;
  onClick();
  return true;
}

bool OwnerDrawnComboBox::Create(HWND parent, const Bounds& bounds, int itemHeight) {
  if (!CreateControl({"COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL | WS_TABSTOP, 0, parent,
                      bounds})) {
    return false;
  }
  SetItemHeight(itemHeight);
  return true;
}

void OwnerDrawnComboBox::SetItemHeight(int height) const {
  SendMessageA(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
  SendMessageA(window_, CB_SETITEMHEIGHT, 0, height);
}

int OwnerDrawnComboBox::Add(LPARAM data) const { return static_cast<int>(SendMessageA(window_, CB_ADDSTRING, 0, data)); }
void OwnerDrawnComboBox::Delete(int index) const { SendMessageA(window_, CB_DELETESTRING, index, 0); }
void OwnerDrawnComboBox::Clear() const { SendMessageA(window_, CB_RESETCONTENT, 0, 0); }
int OwnerDrawnComboBox::Count() const { return static_cast<int>(SendMessageA(window_, CB_GETCOUNT, 0, 0)); }
LPARAM OwnerDrawnComboBox::Data(int index) const { return SendMessageA(window_, CB_GETITEMDATA, index, 0); }
int OwnerDrawnComboBox::Selected() const { return static_cast<int>(SendMessageA(window_, CB_GETCURSEL, 0, 0)); }
void OwnerDrawnComboBox::Select(int index) const { SendMessageA(window_, CB_SETCURSEL, index, 0); }
void OwnerDrawnComboBox::ShowList(bool shown) const { SendMessageA(window_, CB_SHOWDROPDOWN, shown, 0); }

bool OwnerDrawnComboBox::OnNotification(WORD code) {
  if (code != CBN_SELCHANGE || !onSelect) return false;
  onSelect();
  return true;
}

bool OwnerDrawnComboBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (!onDrawItem) return false;
  onDrawItem(item);
  return true;
}

bool OwnerDrawnComboBox::OnInput(const MSG& message) {
  return message.message == WM_KEYDOWN && onKeyDown && onKeyDown(message.wParam);
}

bool EditBox::Create(HWND parent, const Bounds& bounds, HFONT font, bool readOnly) {
  const auto style = static_cast<DWORD>(ES_AUTOHSCROLL | (readOnly ? ES_READONLY : WS_TABSTOP));
  return CreateControl({"EDIT", "", style, WS_EX_CLIENTEDGE, parent, bounds, font});
}

void EditBox::SetReadOnly(bool readOnly) const { SendMessageA(window_, EM_SETREADONLY, readOnly, 0); }
