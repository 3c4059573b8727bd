#pragma once

#include <string>

namespace vanterel::benchmark {

// Times, in `runs` runs of each alternating, the press of the start button
// of `program` until its success box shows, against least_starter.exe
// running the same four command lines; prints the figures. Zero when every
// run could be measured.
int benchmarkStartClick(const std::wstring& program, int runs);

}  // namespace vanterel::benchmark
