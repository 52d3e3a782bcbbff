// Waits until PIKTORAN.EXE's first window shows as its user sees it: the installer drawn with its
// group list filled, the main window drawn once its start-up has completed, or a message box drawn.
// scripts/run takes its screenshot then. Exit code 0 then, 1 when none did within a minute.
#include "driver.h"
#include "window_parts.h"

int main() {
  using namespace e2e;
  const bool shown = WaitUntil(
      [] {
        HWND window = FindWindowA(SetupClass, nullptr);
        if (window && InstallerShown(window)) return true;
        window = FindWindowA(MainClass, nullptr);
        if (window && StartupCompleted(window) && ControlsDrawn(window) && ButtonsPainted(window)) return true;
        window = FindWindowA(MessageBoxClass, nullptr);
        return window && ControlsDrawn(window) && ButtonsPainted(window);
      },
      60000);
  return shown ? 0 : 1;
}
