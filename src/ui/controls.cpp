#include "ui/controls.h"

bool ListBox::Create(HWND parent, const Bounds& b) {
  window_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            b.left, b.top, b.width, b.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return window_ != nullptr;
}

void ListBox::Add(const std::string& item) const {
  SendMessageA(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

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

void ListBox::SetBounds(const Bounds& b) const {
  SetWindowPos(window_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Label::Create(HWND parent, const Bounds& b, const std::string& text, DWORD alignment) {
  window_ = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | alignment | SS_NOPREFIX, b.left, b.top,
                            b.width, b.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return window_ != nullptr;
}

void Label::SetText(const std::string& text) const { SetWindowTextA(window_, text.c_str()); }

std::string Label::Text() const {
  char buffer[256] = {};
  return std::string(buffer, static_cast<std::size_t>(GetWindowTextA(window_, buffer, sizeof buffer)));
}

namespace {

HWND MakeChild(const char* className, const std::string& text, DWORD style, DWORD exStyle, HWND parent,
               const Bounds& b, HFONT font) {
  HWND window = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, b.left, b.top,
                                b.width, b.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return window;
}

}  // namespace

bool CheckBox::Create(HWND parent, const Bounds& bounds, const std::string& caption, HFONT font) {
  window_ = MakeChild("BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP, 0, parent, bounds, font);
  return window_ != nullptr;
}

bool CheckBox::Checked() const { return SendMessageA(window_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) const {
  SendMessageA(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool OwnerDrawnComboBox::Create(HWND parent, const Bounds& bounds, int itemHeight) {
  window_ = MakeChild("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL | WS_TABSTOP, 0, parent,
                      bounds, nullptr);
  SendMessageA(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
  SendMessageA(window_, CB_SETITEMHEIGHT, 0, itemHeight);
  return window_ != nullptr;
}

bool EditBox::Create(HWND parent, const Bounds& bounds, HFONT font, bool readOnly) {
  window_ = MakeChild("EDIT", "", ES_AUTOHSCROLL | (readOnly ? ES_READONLY : WS_TABSTOP), WS_EX_CLIENTEDGE, parent,
                      bounds, font);
  return window_ != nullptr;
}

void EditBox::SetText(const std::string& text) const { SetWindowTextA(window_, text.c_str()); }

std::string EditBox::Text() const {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void EditBox::SetReadOnly(bool readOnly) const { SendMessageA(window_, EM_SETREADONLY, readOnly, 0); }
