#pragma once
// The keyboard as the user has it: keys go to whatever has the focus.
#include <windows.h>

// A key pressed and let go.
inline void Key(WORD key) {
  keybd_event(static_cast<BYTE>(key), 0, 0, 0);
  keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
}
