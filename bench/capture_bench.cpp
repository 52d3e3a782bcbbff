// The screen copy of a capture beside a bare BitBlt of the same rectangle into a compatible
// bitmap, under the same conditions (whole screen). Runs under Wine via scripts/bench-capture.
#include <cstdio>

#include "capture/window_queries.h"
#include "median_time.h"
#include "ui/handles.h"

int main() {
  const Bounds screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const double ours = MedianMs([&] {
    Picture picture;
    CopyScreen(screen, picture);
  });
  const double bare = MedianMs([&] {
    WindowDc screenDc(nullptr);
    MemoryDc memory(CreateCompatibleDC(screenDc.Get()));
    BitmapHandle bitmap(CreateCompatibleBitmap(screenDc.Get(), screen.width, screen.height));
    SelectedObject selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, screen.width, screen.height, screenDc.Get(), 0, 0, SRCCOPY);
    GdiFlush();
  });
  std::printf("screen %d x %d, median of 31\n", screen.width, screen.height);
  std::printf("  capture copy (CopyScreen)  %8.2f ms\n", ours);
  std::printf("  bare BitBlt                %8.2f ms\n", bare);
  std::printf("  ratio                      %8.2f x\n", ours / bare);
  return 0;
}
