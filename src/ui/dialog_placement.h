#pragma once
#include <functional>
#include <vector>

#include "common/geometry.h"
#include "ui/win32.h"

// The work area (the screen without the taskbar) of the monitor the window lies most on.
Bounds MonitorWorkArea(HWND window);

// While it lives, each dialog of the system (window class #32770) that this thread shows is
// kept inside the work area of its monitor as it first shows: the file, colour and print dialogs
// place themselves, and not always on the screen. A resizable dialog larger than the work area
// is made smaller. `prepare` sees each dialog first, for changes to its size. A hook of the
// thread's window messages, so that no dialog needs a hook of its own (a file dialog given one
// takes an older style on current Windows).
class SystemDialogPlacement {
 public:
  explicit SystemDialogPlacement(std::function<void(HWND)> prepare = nullptr);
  SystemDialogPlacement(const SystemDialogPlacement&) = delete;
  SystemDialogPlacement& operator=(const SystemDialogPlacement&) = delete;
  ~SystemDialogPlacement();

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  void Place(HWND dialog);

  std::function<void(HWND)> prepare_;
  HHOOK hook_;
  SystemDialogPlacement* outer_;
  // Placed once: where the user moves a dialog afterwards is the user's choice.
  std::vector<HWND> placed_;
};
