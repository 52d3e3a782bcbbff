#pragma once
// Timing for the benchmarks that run under Wine (no Google Benchmark there): the median of several
// runs after one to warm up, by the performance counter.
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

template <typename Work>
double ElapsedMs(Work& work) {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency);
}

inline double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

template <typename Work>
double MedianMs(Work work, int runs = 31) {
  std::vector<double> times;
  work();  // warm up
  for (int i = 0; i < runs; ++i) times.push_back(ElapsedMs(work));
  return Median(times);
}

struct TimesBeside {
  double workMs;
  double baselineMs;
  double ratio;  // the median of the runs' own ratios
};

// `work` and `baseline` timed in turns, so that both meet the same load on a busy machine.
template <typename Work, typename Baseline>
TimesBeside MedianMsBeside(Work work, Baseline baseline, int runs = 31) {
  std::vector<double> workTimes, baselineTimes, ratios;
  work();
  baseline();
  for (int i = 0; i < runs; ++i) {
    workTimes.push_back(ElapsedMs(work));
    baselineTimes.push_back(ElapsedMs(baseline));
    ratios.push_back(workTimes.back() / baselineTimes.back());
  }
  return {Median(std::move(workTimes)), Median(std::move(baselineTimes)), Median(std::move(ratios))};
}
