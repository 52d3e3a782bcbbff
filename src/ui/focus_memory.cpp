#include "ui/focus_memory.h"

#include <initializer_list>

void FocusMemory::Remember(HWND window) {
  if (HWND focus = GetFocus(); focus && IsChild(window, focus)) control_ = focus;
}

bool FocusMemory::Restore(HWND window, HWND first) const {
  for (HWND control : {control_, first}) {
    if (control && IsChild(window, control) && IsWindowVisible(control) && IsWindowEnabled(control)) {
      SetFocus(control);
      return true;
    }
  }
  return false;
}
