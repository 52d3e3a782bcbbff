#pragma once
// Timing for the benchmarks that run under Wine (no Google Benchmark there): the median of several
// runs after one to warm up, by the performance counter.
#include <windows.h>

#include <algorithm>
#include <vector>

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
