#pragma once

#include <time.h>

namespace lumo::bench {

// Processor time this process has used, in milliseconds: on a shared machine
// the wall clock also counts the time other processes had the processor.
inline double CpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace lumo::bench
