#pragma once
#include <string>

#include "ui/window_view.h"

// What a child window is made of; every child control of ours is created from one of these.
struct ChildArgs {
  const char* className = "STATIC";
  std::string text;
  DWORD style = 0;  // besides WS_CHILD; WS_VISIBLE unless `hidden`
  DWORD exStyle = 0;
  HWND parent = nullptr;
  Bounds bounds;  // pixels (DpiScale turns the design into them)
  HFONT font = nullptr;  // null: the GUI font at the parent's scale. Fonts belong to the form that composes the controls.
  bool hidden = false;
};

// Creates the child window; null when the system refuses.
HWND CreateChildWindow(const ChildArgs& args);

// A system control on a parent window. The parent destroys the window; the object receives the
// control's notifications (WM_COMMAND codes) wherever it sits, so a handler is bound where the
// control is made. The object must not move once created.
class ChildControl : public WindowView {
 public:
  ChildControl() = default;
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;
  virtual ~ChildControl();

  // Hands a notification to the control object behind `control`; false when there is none or
  // it did not use it.
  static bool Reflect(HWND control, WORD code);
  // The same for an owner-drawn item (WM_DRAWITEM's data).
  static bool ReflectDrawItem(const DRAWITEMSTRUCT& item);
  // Keys and mouse presses aimed at a control (or at a part of it, such as a combo box's list)
  // before the control itself sees them; true when the object used the message up.
  static bool ReflectInput(const MSG& message);

 protected:
  bool CreateControl(const ChildArgs& args);
  virtual bool OnNotification(WORD code) { (void)code; return false; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item) { (void)item; return false; }
  virtual bool OnInput(const MSG& message) { (void)message; return false; }
};
