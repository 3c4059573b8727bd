#pragma once

#include <windows.h>

namespace vanterel::benchmark {

// Milliseconds since it was made, from the performance counter.
class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&begun_); }

  double milliseconds() const {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - begun_.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER begun_;
};

}  // namespace vanterel::benchmark
