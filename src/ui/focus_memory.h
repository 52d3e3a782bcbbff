#pragma once
#include "ui/win32.h"

// Where the keyboard was in a window when the user left it, given back when the window is active
// again, as a dialog box does.
class FocusMemory {
 public:
  // Takes the control of `window` that has the focus now, if any: on WM_ACTIVATE when the window
  // is left.
  void Remember(HWND window);
  // Gives the focus back to the remembered control while it can take it, else to `first`; false
  // (nothing done) when neither can.
  bool Restore(HWND window, HWND first) const;

 private:
  HWND control_ = nullptr;
};
