#pragma once
// The exchange between the e2e program and scaled_screen.dll, a test-only hook library that
// Wine loads into PIKTORAN's process as a message hook. Wine does not scale programs that are
// not DPI aware; Windows 10 and 11 do, on the usual laptop screen at 150 %. The library answers
// the program's own calls as Windows does there:
// - for a thread that is not DPI aware (by the program's manifest, or set so), the screen size (GetSystemMetrics), window rectangles
//   (GetWindowRect) and the pointer (GetCursorPos, WindowFromPoint) in units of 96 per inch,
//   that is physical pixels × 2 / 3, while BitBlt copies physical pixels;
// - for a thread made per-monitor aware with SetThreadDpiAwarenessContext (found through
//   GetProcAddress), physical pixels;
// - the invisible resize border of Windows 10: GetWindowRect of a top-level window with a
//   sizing frame reaches ScaledScreenBorder pixels further left, right and down, while
//   DwmGetWindowAttribute(DWMWA_EXTENDED_FRAME_BOUNDS) gives the visible frame in physical
//   pixels whatever the thread's awareness.

inline constexpr int ScaledScreenDpi = 144;
inline constexpr int ScaledScreenBorder = 7;
