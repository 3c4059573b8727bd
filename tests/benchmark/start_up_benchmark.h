#pragma once

#include <string>

namespace vanterel::benchmark {

// Times, in `runs` runs of each alternating, the start of `program` until
// its window is visible and takes input, and reads its peak working set,
// against least_window.exe showing the same window; prints the figures and
// both programs' sizes. Zero when every run could be measured.
int benchmarkStartUp(const std::wstring& program, int runs);

}  // namespace vanterel::benchmark
