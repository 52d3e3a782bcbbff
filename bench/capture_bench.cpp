// The screen copy of a capture beside a bare BitBlt of the same rectangle into a compatible
// bitmap, in turns under the same conditions (whole screen). Both copy into a bitmap they made
// before, as repeated captures of one size do. Runs under Wine via scripts/bench-capture.
#include <cstdio>

#include "capture/window_queries.h"
#include "median_time.h"
#include "ui/handles.h"

int main() {
  const Bounds screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  Picture picture;
  BitmapHandle bitmap(CreateCompatibleBitmap(WindowDc(nullptr).Get(), screen.width, screen.height));
  const TimesBeside t = MedianMsBeside([&] { CopyScreen(screen, picture); },
                                       [&] {
                                         WindowDc screenDc(nullptr);
                                         MemoryDc memory(CreateCompatibleDC(screenDc.Get()));
                                         SelectedObject selected(memory.Get(), bitmap.Get());
                                         BitBlt(memory.Get(), 0, 0, screen.width, screen.height, screenDc.Get(), 0, 0,
                                                SRCCOPY);
                                         GdiFlush();
                                       });
  std::printf("screen %d x %d, median of 31, in turns\n", screen.width, screen.height);
  std::printf("  capture copy (CopyScreen)  %8.2f ms\n", t.workMs);
  std::printf("  bare BitBlt                %8.2f ms\n", t.baselineMs);
  std::printf("capture %.2f x a bare BitBlt (goal <= 1.2 x): %s\n", t.ratio, t.ratio <= 1.2 ? "met" : "NOT met");
  return 0;
}
