#pragma once
#include <string>
#include <vector>

#include "common/geometry.h"
#include "ui/win32.h"

// A non-owning view of a window: what the program asks of any window, one call each. A view
// never destroys its window; its owner (a form, or the parent of a child control) does.
class WindowView {
 public:
  WindowView() = default;
  explicit WindowView(HWND window) : window_(window) {}

  HWND Handle() const { return window_; }

  void Show() const { ShowWindow(window_, SW_SHOW); }
  void Hide() const { ShowWindow(window_, SW_HIDE); }
  void SetShown(bool shown) const { ShowWindow(window_, shown ? SW_SHOW : SW_HIDE); }
  bool Visible() const { return IsWindowVisible(window_) != FALSE; }
  void SetEnabled(bool enabled) const { EnableWindow(window_, enabled ? TRUE : FALSE); }
  // Above its siblings (or the other top-level windows).
  void BringToTop() const { SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }
  void Redraw() const { InvalidateRect(window_, nullptr, TRUE); }
  void SetFont(HFONT font) const { SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

  void SetCaption(const std::string& caption) const { SetWindowTextA(window_, caption.c_str()); }
  std::string Caption() const;

  // Outer bounds in the parent's client coordinates (the screen's for a top-level window).
  Bounds GetBounds() const;
  void SetBounds(const Bounds& bounds) const;
  int Height() const { return GetBounds().height; }
  Size ClientSize() const;
  // Every window below this one, each parent before its own children.
  std::vector<HWND> Descendants() const;

 protected:
  HWND window_ = nullptr;
};
