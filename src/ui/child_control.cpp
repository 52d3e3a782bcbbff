#include "ui/child_control.h"

#include "ui/dpi.h"

namespace {
constexpr const char* ControlProperty = "PiktoranControl";
}  // namespace

HWND CreateChildWindow(const ChildArgs& a) {
  // Clipped by their siblings: the cursor history list lies over the size bar's edit box.
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (a.hidden ? 0 : WS_VISIBLE) | a.style;
  HWND window = CreateWindowExA(a.exStyle, a.className, a.text.c_str(), style, a.bounds.left, a.bounds.top,
                                a.bounds.width, a.bounds.height, a.parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window) {
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(a.font ? a.font : GuiFont(WindowDpi(a.parent))), FALSE);
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

namespace {
ChildControl* ObjectOf(HWND control) { return control ? static_cast<ChildControl*>(GetPropA(control, ControlProperty)) : nullptr; }
}  // namespace

bool ChildControl::Reflect(HWND control, WORD code) {
  ChildControl* object = ObjectOf(control);
  return object && object->OnNotification(code);
}

bool ChildControl::ReflectDrawItem(const DRAWITEMSTRUCT& item) {
  ChildControl* object = ObjectOf(item.hwndItem);
  return object && object->OnDrawItem(item);
}

bool ChildControl::ReflectInput(const MSG& message) {
  ChildControl* object = ObjectOf(message.hwnd);
  if (!object) object = ObjectOf(GetParent(message.hwnd));
  return object && object->OnInput(message);
}
