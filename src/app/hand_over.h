#pragma once
#include <string>

#include "ui/win32.h"

// A second start hands its arguments to the running copy: a global atom named with the
// arguments joined by "?" goes with message 1025 to the running main window.
inline constexpr UINT HandOverMessage = WM_USER + 1;

// Sends synchronously, so the running copy has read the atom when this returns; the atom is
// deleted afterwards. A text too long for an atom only brings the running copy to the front.
void SendHandOver(HWND runningWindow, const std::string& text);

// The running copy's side: the atom's name (read into a 258-byte buffer).
std::string ReadHandOverAtom(WPARAM atom);
