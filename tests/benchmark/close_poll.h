#pragma once

#include <windows.h>

#include <chrono>

#include "tests/benchmark/stopwatch.h"

namespace vanterel::benchmark {

// Polls every millisecond until the condition holds or the time is up, so
// that noticing the moment adds next to nothing to a figure. True when it
// held.
template <typename Condition>
bool pollClosely(Condition condition, std::chrono::milliseconds timeout) {
  const Stopwatch waited;
  for (;;) {
    if (condition()) return true;
    if (waited.milliseconds() >= static_cast<double>(timeout.count())) return false;
    Sleep(1);
  }
}

}  // namespace vanterel::benchmark
