#include "ui/physical_pixels.h"

#include "ui/system_function.h"

namespace {

using SetAwareness = HANDLE WINAPI(HANDLE);

// The awareness contexts are fixed pseudo handles; older headers do not name them.
const HANDLE PerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));
const HANDLE PerMonitorAware = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3));

SetAwareness* SetThreadAwareness() {
  // Windows 10 1607 and later.
  static SetAwareness* const set = SystemFunction<SetAwareness>("user32.dll", "SetThreadDpiAwarenessContext");
  return set;
}

}  // namespace

PhysicalPixelsScope::PhysicalPixelsScope() {
  SetAwareness* set = SetThreadAwareness();
  if (!set) return;
  // V2 came with 1703; 1607 knows only the first per-monitor kind, which sees the same pixels.
  previous_ = set(PerMonitorAwareV2);
  if (!previous_) previous_ = set(PerMonitorAware);
}

PhysicalPixelsScope::~PhysicalPixelsScope() {
  if (previous_) SetThreadAwareness()(previous_);
}
