// Time measurements of the benchmark programs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace folderlocker::testing {

// A QueryPerformanceCounter difference in milliseconds.
inline double Milliseconds(LONGLONG ticks) {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value;
  }();
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace folderlocker::testing
