#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "tests/e2e/driver_start_mark.h"

// Console programs of the project start at wmain (they link with -municode).
int wmain(int argc, wchar_t** argv) {
  vanterel::e2e::markDriverStarted();
  // Measure in real pixels, as the program lays itself out, at any DPI.
  SetProcessDPIAware();
  ::testing::InitGoogleTest(&argc, argv);
  const int failed = RUN_ALL_TESTS();
  // A filter that names no test would otherwise pass in silence.
  if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "vanterel_e2e: no test matched the filter\n");
    return 1;
  }
  return failed;
}
