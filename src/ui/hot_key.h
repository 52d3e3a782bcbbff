#pragma once
#include "ui/win32.h"

// A system-wide key registered for a window (RegisterHotKey), which then gets WM_HOTKEY wherever
// the keyboard is; released (UnregisterHotKey) by Release or when the object ends.
class HotKeyRegistration {
 public:
  HotKeyRegistration() = default;
  HotKeyRegistration(const HotKeyRegistration&) = delete;
  HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;
  ~HotKeyRegistration() { Release(); }

  // Holding the key down presses it once. False, with the system's error (GetLastError), when the
  // system refuses: ERROR_HOTKEY_ALREADY_REGISTERED when another program holds the combination.
  bool Register(HWND window, int id, UINT modifiers, UINT key);
  void Release();
  bool Registered() const { return window_ != nullptr; }

 private:
  HWND window_ = nullptr;
  int id_ = 0;
};
