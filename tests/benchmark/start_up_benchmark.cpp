#include "tests/benchmark/start_up_benchmark.h"

#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "windows/win32_handle.h"
#include "tests/benchmark/close_poll.h"
#include "tests/benchmark/figures.h"
#include "tests/benchmark/programs.h"
#include "tests/benchmark/stopwatch.h"
#include "tests/e2e/process_start.h"
#include "tests/e2e/window_probe.h"

namespace vanterel::benchmark {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 30s;
// Lets the first paint reach its peak before the working set is read.
constexpr DWORD kSettleMilliseconds = 250;

struct Launch {
  double milliseconds;
  double peakWorkingSetKb;
};

HWND visibleTopLevelWindowOf(DWORD processId) {
  return e2e::findVisibleTopLevelWindow([processId](HWND window) {
    return e2e::processOf(window) == processId && GetWindow(window, GW_OWNER) == nullptr;
  });
}

void closeProgram(HANDLE process, HWND window) {
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 10000);
  }
}

// From CreateProcess to a visible window whose thread answers messages.
std::optional<Launch> launchOnce(const std::wstring& program, std::string& problem) {
  e2e::ProcessStart start;
  start.application = program;
  start.commandLine = L"\"" + program + L"\"";
  PROCESS_INFORMATION started{};
  // Timed from the try that started it.
  std::optional<Stopwatch> clock;
  if (const DWORD failed = e2e::startProcess(start, started, [&] { clock.emplace(); })) {
    problem = "CreateProcess failed with error " + std::to_string(failed);
    return std::nullopt;
  }
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);

  // Returns when the program first waits for input; the window is normally
  // up by then, which spares polling while it starts.
  WaitForInputIdle(process.get(),
                   static_cast<DWORD>(std::chrono::milliseconds(kStartTimeout).count()));
  HWND window = nullptr;
  DWORD_PTR answer = 0;
  const bool ready =
      pollClosely(
          [&] { return (window = visibleTopLevelWindowOf(started.dwProcessId)) != nullptr; },
          kStartTimeout) &&
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer) != 0;
  const double elapsed = clock->milliseconds();
  if (!ready) {
    problem = "no visible window that answers";
    closeProgram(process.get(), window);
    return std::nullopt;
  }

  Sleep(kSettleMilliseconds);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  const bool read = GetProcessMemoryInfo(process.get(), &counters, sizeof counters) != 0;
  closeProgram(process.get(), window);
  if (!read || counters.PeakWorkingSetSize == 0) {
    problem = "the peak working set could not be read";
    return std::nullopt;
  }
  return Launch{elapsed, static_cast<double>(counters.PeakWorkingSetSize) / 1024.0};
}

struct Series {
  std::wstring program;
  std::vector<double> milliseconds;
  std::vector<double> peakKb;
};

void print(const Series& series) {
  const auto size = fileSize(series.program);
  std::printf("  %-18s median %7.1f ms  peak working set %8.0f KB  file %7.1f KB   runs (ms):",
              fileName(series.program).c_str(), median(series.milliseconds), median(series.peakKb),
              size ? static_cast<double>(*size) / 1024.0 : 0.0);
  for (double each : series.milliseconds) std::printf(" %.1f", each);
  std::printf("\n");
}

}  // namespace

int benchmarkStartUp(const std::wstring& program, int runs) {
  Series ours{program, {}, {}};
  Series least{besideThisProgram(L"least_window.exe"), {}, {}};
  // Round 0 warms both up and is not counted; which goes first alternates.
  for (int round = 0; round <= runs; ++round) {
    for (int turn = 0; turn < 2; ++turn) {
      Series& series = (round + turn) % 2 == 0 ? ours : least;
      std::string problem;
      const std::optional<Launch> launch = launchOnce(series.program, problem);
      if (!launch) {
        std::fprintf(stderr, "start-up benchmark: cannot measure %s: %s\n",
                     fileName(series.program).c_str(), problem.c_str());
        return 1;
      }
      if (round == 0) continue;
      series.milliseconds.push_back(launch->milliseconds);
      series.peakKb.push_back(launch->peakWorkingSetKb);
    }
  }

  std::printf("Start-up (%s): process start to a visible window that takes input\n", kArchitecture);
  print(ours);
  print(least);
  std::printf(
      "  ratios             time %.3f of the medians, %.3f paired (aim: at most 1.05); "
      "peak working set %.3f (aim: at most 1.2)\n",
      median(ours.milliseconds) / median(least.milliseconds),
      medianOfPairedRatios(ours.milliseconds, least.milliseconds),
      median(ours.peakKb) / median(least.peakKb));
  return 0;
}

}  // namespace vanterel::benchmark
