// The benchmarks' clock: each run timed on the performance counter, the first (cold) run kept first and the
// others sorted, so that a median and the spread read off directly.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

inline double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// `runs` times of `run`, which returns whether it succeeded; empty when a run fails.
template <class Run>
std::vector<double> TimedRuns(int runs, Run run) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    const bool ok = run();
    ::QueryPerformanceCounter(&end);
    if (!ok) return {};
    times.push_back(Milliseconds(start, end));
  }
  std::sort(times.begin() + 1, times.end());
  return times;
}

}  // namespace bench
