#pragma once
// Finding a window's controls the way a user sees them: by class and caption.
#include <windows.h>

#include <string>

inline std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The first control of the class (searched through panels too) with the caption, or with any
// caption when it is empty.
inline HWND FindChild(HWND parent, const std::string& className, const std::string& caption = "") {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, className.c_str()) == 0 && (caption.empty() || TextOf(child) == caption)) return child;
    if (HWND inner = FindChild(child, className, caption)) return inner;
  }
  return nullptr;
}
