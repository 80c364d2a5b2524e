#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

// Small helpers for the hand-run timing programs: the first run in a fresh
// process is reported apart from the warm ones.
namespace lumo::bench {

inline double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Prints "name: first X ms (peak RSS Y MB), warm median M ms (min A, max B) over N".
inline void PrintTimings(const char* name, double first, double peakAfterFirst, std::vector<double> warm) {
  std::sort(warm.begin(), warm.end());
  std::printf("%-34s first %7.3f ms (peak RSS %.1f MB); warm median %7.3f ms (min %.3f, max %.3f) over %zu\n", name,
              first, peakAfterFirst, warm[warm.size() / 2], warm.front(), warm.back(), warm.size());
}

}  // namespace lumo::bench
