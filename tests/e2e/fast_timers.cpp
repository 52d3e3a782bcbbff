// Test-only hook library: the program's timers run twenty times faster, so that a test waits out
// a limit the program counts in timer ticks (the uninstall helper's minute of retries) in seconds.
// The program's imports are replaced once the library is loaded into it.
#include <windows.h>

#include <algorithm>

#include "fast_timers.h"
#include "import_patch.h"

namespace {

decltype(&SetTimer) realSetTimer;

UINT_PTR WINAPI FastTimer(HWND window, UINT_PTR id, UINT interval, TIMERPROC procedure) {
  return realSetTimer(window, id, std::max<UINT>(interval / FastTimersFactor, USER_TIMER_MINIMUM), procedure);
}

}  // namespace

void PatchProgram() { realSetTimer = ReplaceImport("user32.dll", "SetTimer", FastTimer); }
