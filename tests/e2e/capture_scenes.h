#pragma once
// What the capture suites put on the screen for PIKTORAN to take, and how they wait for it: the
// test program's own windows painted in colour bands, the picture once the program shows it.
#include <array>
#include <functional>
#include <string>

#include "driver.h"

namespace e2e {

// Until a test window is on the screen, a capture sees the desktop. Wine hands a paint to the
// screen a moment later; should one never arrive, the window is painted and raised again until
// it shows.
bool ShowOnScreen(HWND window, const std::function<bool()>& shown);

// Four vertical colour bands, each this wide.
inline constexpr std::array<COLORREF, 4> BandColours{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
inline constexpr int BandWidth = 50;
// The window-procedure of a window painted in the bands.
LRESULT CALLBACK BandsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The picture box's top-left on the screen once the re-show sequence has painted the capture:
// the window is visible a moment before its picture is drawn.
POINT PaintedPictureOrigin(HWND main, POINT inPicture, COLORREF expected);

// StartedMainWindow, pumping this process's windows meanwhile.
HWND WaitForMainWindowPumping(const Process& process);

// What the size bar shows after a capture of the rectangle.
std::string CaptureSizeText(const RECT& r);

}  // namespace e2e
