#pragma once

#include <string>

namespace vanterel::benchmark {

// The CPU time `program` takes over `seconds` of running its hotspot with
// two devices connected, the window watching them; prints the figure. Zero
// when it could be measured.
int benchmarkRunning(const std::wstring& program, int seconds);

}  // namespace vanterel::benchmark
