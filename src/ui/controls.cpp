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

bool Label::Create(HWND parent, const Bounds& b, const std::string& text) {
  window_ = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, b.left, b.top,
                            b.width, b.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return window_ != nullptr;
}

void Label::SetText(const std::string& text) const { SetWindowTextA(window_, text.c_str()); }

std::string Label::Text() const {
  char buffer[256] = {};
  return std::string(buffer, static_cast<std::size_t>(GetWindowTextA(window_, buffer, sizeof buffer)));
}
