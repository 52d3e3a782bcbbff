#include "ui/child_control.h"

namespace {
constexpr const char* ControlProperty = "PiktoranControl";
}

HWND CreateChildWindow(const ChildArgs& a) {
  const DWORD style = WS_CHILD | (a.hidden ? 0 : WS_VISIBLE) | a.style;
  HWND window = CreateWindowExA(a.exStyle, a.className, a.text.c_str(), style, a.bounds.left, a.bounds.top,
                                a.bounds.width, a.bounds.height, a.parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window) {
    SendMessageA(window, WM_SETFONT,
                 reinterpret_cast<WPARAM>(a.font ? static_cast<HGDIOBJ>(a.font) : GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  }
  return window;
}

ChildControl::~ChildControl() {
  // The window may outlive the object (its parent destroys it); it must not point here then.
  if (window_ && IsWindow(window_)) RemovePropA(window_, ControlProperty);
}

bool ChildControl::CreateControl(const ChildArgs& args) {
  window_ = CreateChildWindow(args);
  if (window_) SetPropA(window_, ControlProperty, this);
  return window_ != nullptr;
}

bool ChildControl::Reflect(HWND control, WORD code) {
  auto* object = static_cast<ChildControl*>(GetPropA(control, ControlProperty));
  return object && object->OnNotification(code);
}
