// Benchmarks of vanterel.exe against the least programs that do the same,
// run under Wine. They print figures and fail only when they cannot measure.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "tests/benchmark/running_benchmark.h"
#include "tests/benchmark/start_click_benchmark.h"
#include "tests/benchmark/start_up_benchmark.h"
#include "tests/e2e/driver_start_mark.h"
#include "tests/e2e/environment_block.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: vanterel_benchmark start-click|start-up [RUNS] | running [SECONDS]\n"
               "VANTEREL_E2E_PROGRAM names the vanterel.exe to measure.\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  vanterel::e2e::markDriverStarted();
  if (argc < 2 || argc > 3) return usage();
  const std::wstring program = vanterel::e2e::environmentVariable(L"VANTEREL_E2E_PROGRAM");
  if (program.empty()) return usage();
  const int runs = argc == 3 ? static_cast<int>(std::wcstol(argv[2], nullptr, 10)) : 9;
  if (runs < 1) return usage();

  const std::wstring mode = argv[1];
  const auto benchmark = mode == L"start-click" ? &vanterel::benchmark::benchmarkStartClick
                         : mode == L"start-up"  ? &vanterel::benchmark::benchmarkStartUp
                         : mode == L"running"   ? &vanterel::benchmark::benchmarkRunning
                                                : nullptr;
  if (benchmark == nullptr) return usage();

  // Sleep(1) sleeps a millisecond, not a scheduler tick, while polling.
  timeBeginPeriod(1);
  const int result = benchmark(program, runs);
  timeEndPeriod(1);
  return result;
}
