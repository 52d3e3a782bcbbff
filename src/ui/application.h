#pragma once
#include <string>

#include "ui/win32.h"

// Process-wide state of the GUI: the application title, the main window, the hint switch and
// the screen cursor, and the message loop.
namespace Application {

void SetTitle(const std::string& title);
const std::string& Title();

void SetMainWindow(HWND window);
HWND MainWindow();

void SetShowHints(bool on);
bool ShowHints();
void SetHintPause(int milliseconds);
int HintPause();

// Gives the form under the message its dialog keys first, then translates and dispatches.
void Dispatch(const MSG& message);
// Lets pending messages run; a quit request found on the way stays queued for the main loop.
void ProcessMessages();
// Runs the message loop until the last form has asked to quit or the main window is gone;
// returns the exit code.
int Run();

}  // namespace Application

// The screen cursor: while busy, every window of the program shows the hourglass.
namespace ScreenCursor {
void SetBusy(bool busy);
bool Busy();
// For WM_SETCURSOR: true when the hourglass was set and the message is handled.
bool Apply();
}  // namespace ScreenCursor

// Hourglass for one scope; the previous state comes back at its end.
class HourglassGuard {
 public:
  HourglassGuard() : previous_(ScreenCursor::Busy()) { ScreenCursor::SetBusy(true); }
  HourglassGuard(const HourglassGuard&) = delete;
  HourglassGuard& operator=(const HourglassGuard&) = delete;
  ~HourglassGuard() { ScreenCursor::SetBusy(previous_); }

 private:
  bool previous_;
};
