#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vanterel::benchmark {

// The middle value; for an even count, the mean of the two middle ones.
inline double median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) return values[middle];
  return (values[middle - 1] + values[middle]) / 2.0;
}

// The median of the ratios of runs made side by side: steadier than the
// ratio of the medians when the machine's load drifts during the runs.
inline double medianOfPairedRatios(const std::vector<double>& ours,
                                   const std::vector<double>& least) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < ours.size() && i < least.size(); ++i) {
    ratios.push_back(ours[i] / least[i]);
  }
  return median(ratios);
}

}  // namespace vanterel::benchmark
