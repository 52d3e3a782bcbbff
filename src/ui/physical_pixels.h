#pragma once
#include "ui/win32.h"

// While it lives, this thread sees the screen in physical pixels: screen size, window rectangles
// and the pointer as BitBlt copies them, also on a scaled screen (125 %, 150 %) where an unaware
// thread is given scaled values. Windows created meanwhile would be created aware too, so keep
// it around the queries and the copy only. Does nothing where the system cannot set it per thread.
class PhysicalPixelsScope {
 public:
  PhysicalPixelsScope();
  ~PhysicalPixelsScope();
  PhysicalPixelsScope(const PhysicalPixelsScope&) = delete;
  PhysicalPixelsScope& operator=(const PhysicalPixelsScope&) = delete;

 private:
  HANDLE previous_ = nullptr;  // the thread's DPI awareness context before
};
