#include "ui/window_view.h"

std::string WindowView::Caption() const {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window_, text.data(), static_cast<int>(text.size()))));
  return text;
}

Bounds WindowView::GetBounds() const {
  RECT r{};
  GetWindowRect(window_, &r);
  if (HWND parent = GetParent(window_); parent && (GetWindowLongA(window_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void WindowView::SetBounds(const Bounds& b) const {
  SetWindowPos(window_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Size WindowView::ClientSize() const {
  RECT r{};
  GetClientRect(window_, &r);
  return {r.right, r.bottom};
}

std::vector<HWND> WindowView::Descendants() const {
  std::vector<HWND> windows;
  EnumChildWindows(
      window_,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}
