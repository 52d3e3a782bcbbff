#pragma once
// Runs an action once after a delay on this thread, from whatever message loop is running then
// (a modal box's included), so a test can act while a box waits for its answer.
#include <windows.h>

#include <functional>
#include <map>

class Scheduled {
 public:
  static void After(UINT milliseconds, std::function<void()> action) {
    const UINT_PTR id = SetTimer(nullptr, 0, milliseconds, &Scheduled::Fire);
    Actions()[id] = std::move(action);
  }

  // Runs the action on the top-level window of the class once it shows and the keyboard serves
  // it (it is the foreground window).
  static void WhenShown(const char* className, std::function<void(HWND)> action) {
    After(20, [className, action = std::move(action)]() mutable {
      HWND window = FindWindowA(className, nullptr);
      if (window && IsWindowVisible(window) && GetForegroundWindow() == window) return action(window);
      WhenShown(className, std::move(action));
    });
  }

 private:
  static std::map<UINT_PTR, std::function<void()>>& Actions() {
    static std::map<UINT_PTR, std::function<void()>> actions;
    return actions;
  }
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto found = Actions().find(id);
    if (found == Actions().end()) return;
    auto action = std::move(found->second);
    Actions().erase(found);
    action();
  }
};
