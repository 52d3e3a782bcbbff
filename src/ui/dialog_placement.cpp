#include "ui/dialog_placement.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "ui/window_view.h"

namespace {

thread_local SystemDialogPlacement* current = nullptr;

bool IsSystemDialog(HWND window) {
  char className[16] = {};
  return GetClassNameA(window, className, sizeof className) > 0 && std::strcmp(className, "#32770") == 0 &&
         (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0;
}

}  // namespace

Bounds MonitorWorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& w = monitor.rcWork;
    return {w.left, w.top, w.right - w.left, w.bottom - w.top};
  }
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

SystemDialogPlacement::SystemDialogPlacement(std::function<void(HWND)> prepare)
    : prepare_(std::move(prepare)),
      hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId())),
      outer_(std::exchange(current, this)) {}

SystemDialogPlacement::~SystemDialogPlacement() {
  current = outer_;
  if (hook_) UnhookWindowsHookEx(hook_);
}

// When the dialog is about to show: its own set-up, which may still change its size after it
// was activated, is done, and nothing is on the screen yet.
LRESULT CALLBACK SystemDialogPlacement::Hook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && current && message->message == WM_SHOWWINDOW && message->wParam) {
    try {
      if (IsSystemDialog(message->hwnd)) current->Place(message->hwnd);
    } catch (...) {
      // Left where the system put it; never an exception through the system's code.
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void SystemDialogPlacement::Place(HWND dialog) {
  if (std::find(placed_.begin(), placed_.end(), dialog) != placed_.end()) return;
  placed_.push_back(dialog);
  if (prepare_) prepare_(dialog);
  const WindowView view(dialog);
  const Bounds own = view.GetBounds();
  const bool resizable = (GetWindowLongA(dialog, GWL_STYLE) & WS_THICKFRAME) != 0;
  const Bounds placed = FitIntoWorkArea(own, MonitorWorkArea(dialog), resizable);
  if (placed != own) view.SetBounds(placed);
}
