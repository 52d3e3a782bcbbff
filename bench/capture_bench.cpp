// The screen copy of a capture beside a bare BitBlt of the same rectangle into a compatible
// bitmap, under the same conditions (whole screen). Runs under Wine via scripts/bench-capture.
#include <cstdio>
#include <vector>
#include <algorithm>

#include "capture/window_queries.h"
#include "ui/handles.h"

namespace {

template <typename Work>
double MedianMs(Work work, int runs = 31) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  work();  // warm up
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

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
