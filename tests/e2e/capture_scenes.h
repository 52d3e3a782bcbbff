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

// Vertical colour bands, in this order from the left, each BandWidth wide unless told.
inline constexpr std::array<COLORREF, 4> BandColours{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
inline constexpr int BandWidth = 50;

// A pop-up of the test program at `where` on the screen, painted in the colour bands; made, it
// is on the screen (`pixel` reads the screen as the caller's thread sees it). A thread that is
// per-monitor aware makes it in the screen's own pixels.
class BandsWindow {
 public:
  enum class Layer { Normal, TopMost };
  BandsWindow(const RECT& where, Layer layer, int bandWidth = BandWidth,
              COLORREF (*pixel)(int, int) = ScreenPixel);
  BandsWindow(const BandsWindow&) = delete;
  BandsWindow& operator=(const BandsWindow&) = delete;
  ~BandsWindow() { DestroyWindow(window_); }
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// The picture box's top-left on the screen once the re-show sequence has painted the capture:
// the window is visible a moment before its picture is drawn.
POINT PaintedPictureOrigin(HWND main, POINT inPicture, COLORREF expected);

// StartedMainWindow, pumping this process's windows meanwhile.
HWND WaitForMainWindowPumping(const Process& process);

// What the size bar shows after a capture of the rectangle.
std::string CaptureSizeText(const RECT& r);

}  // namespace e2e
