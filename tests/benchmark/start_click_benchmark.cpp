#include "tests/benchmark/start_click_benchmark.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "windows/win32_handle.h"
#include "tests/benchmark/close_poll.h"
#include "tests/benchmark/figures.h"
#include "tests/benchmark/programs.h"
#include "tests/benchmark/stopwatch.h"
#include "tests/benchmark/typed_window.h"
#include "tests/e2e/app_process.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/process_start.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_input.h"
#include "tests/e2e/window_probe.h"

namespace vanterel::benchmark {
namespace {

using e2e::utf8;
using namespace std::chrono_literals;

constexpr auto kClickTimeout = 60s;

// The visible message box owned by `owner`: found by class, which asks the
// system for far less than walking every window.
HWND visibleBoxOf(HWND owner) {
  for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box != nullptr;
       box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
    if (GetWindow(box, GW_OWNER) == owner && IsWindowVisible(box)) return box;
  }
  return nullptr;
}

// From the press of the button to the success box, in a fresh vanterel.exe.
std::optional<double> timeOneClick(const std::wstring& program, std::string& problem) {
  e2e::AppProcess process;
  const HWND window = startTyped(process, program, {}, problem);
  if (window == nullptr) return std::nullopt;

  const Stopwatch pressed;
  e2e::clickButton(e2e::controlOf(window, Control::Command1));
  const bool shown = pollClosely([&] { return visibleBoxOf(window) != nullptr; }, kClickTimeout);
  const double elapsed = pressed.milliseconds();

  const auto box = e2e::findMessageBox(window);
  if (!shown || !box) {
    problem = "no message box after the press";
    return std::nullopt;
  }
  if (box->title != L"成功") {
    problem = "the click ended in a \"" + utf8(box->title) + "\" box: " + utf8(box->text);
    return std::nullopt;
  }
  return elapsed;
}

// What is in the pipe now, without waiting for writers that may linger.
std::string availableOutput(HANDLE pipe) {
  std::string bytes;
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD read = 0;
    if (!ReadFile(pipe, &chunk[0], available, &read, nullptr) || read == 0) break;
    bytes.append(chunk, 0, read);
  }
  return bytes;
}

// The figure least_starter.exe prints for the four command lines. Under Wine
// the commands may print into the same output: the figure, written after
// they have all ended, is the last line.
std::optional<double> lastLineFigure(const std::string& output) {
  const std::string trimmed = output.substr(0, output.find_last_not_of("\r\n") + 1);
  const char* figure = trimmed.c_str() + (trimmed.find_last_of('\n') + 1);
  char* end = nullptr;
  const double milliseconds = std::strtod(figure, &end);
  if (end == figure || *end != '\0' || milliseconds <= 0.0) return std::nullopt;
  return milliseconds;
}

// Runs least_starter.exe while polling for a message box just as closely as
// during a click, so that what the polling costs the system weighs on both
// figures alike.
std::optional<double> timeBaseline(const std::wstring& baseline, std::string& problem) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 64 * 1024)) {
    problem = "no pipe for least_starter.exe";
    return std::nullopt;
  }
  UniqueHandle output(readEnd);
  UniqueHandle childOutput(writeEnd);
  SetHandleInformation(output.get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = childOutput.get();
  startup.hStdError = childOutput.get();
  const e2e::ProcessStart start{baseline, L"\"" + baseline + L"\"", true, 0, nullptr, &startup, {}};
  PROCESS_INFORMATION started{};
  if (const DWORD failed = e2e::startProcess(start, started)) {
    problem = "least_starter.exe could not start: error " + std::to_string(failed);
    return std::nullopt;
  }
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  childOutput.reset();

  const bool ended = pollClosely(
      [&] {
        visibleBoxOf(GetDesktopWindow());
        return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
      },
      kClickTimeout);
  DWORD exitCode = 1;
  if (!ended) TerminateProcess(process.get(), 1);
  GetExitCodeProcess(process.get(), &exitCode);
  const std::string printed = availableOutput(output.get());
  if (!ended || exitCode != 0) {
    problem =
        "least_starter.exe did not run its commands (exit code " + std::to_string(exitCode) + ")";
    return std::nullopt;
  }
  const auto figure = lastLineFigure(printed);
  if (!figure) problem = "least_starter.exe printed no figure: " + printed;
  return figure;
}

void printRuns(const char* label, const std::vector<double>& runs) {
  std::printf("  %-18s median %8.1f ms   runs:", label, median(runs));
  for (double each : runs) std::printf(" %.1f", each);
  std::printf("\n");
}

}  // namespace

int benchmarkStartClick(const std::wstring& program, int runs) {
  const std::wstring baseline = besideThisProgram(L"least_starter.exe");
  std::vector<double> ours;
  std::vector<double> least;
  // Round 0 warms both up and is not counted. Which goes first alternates,
  // so that neither always runs in the other's wake.
  for (int round = 0; round <= runs; ++round) {
    for (int turn = 0; turn < 2; ++turn) {
      const bool oursNow = (round + turn) % 2 == 0;
      std::string problem;
      const std::optional<double> figure =
          oursNow ? timeOneClick(program, problem) : timeBaseline(baseline, problem);
      if (!figure) {
        std::fprintf(stderr, "start-click benchmark: cannot measure: %s\n", problem.c_str());
        return 1;
      }
      if (round > 0) (oursNow ? ours : least).push_back(*figure);
    }
  }

  std::printf("Start click (%s): press to success box, four commands, netsh exiting at once\n",
              kArchitecture);
  printRuns(fileName(program).c_str(), ours);
  printRuns("least_starter.exe", least);
  std::printf("  ratio              %.3f of the medians, %.3f paired (aim: at most 1.05)\n",
              median(ours) / median(least), medianOfPairedRatios(ours, least));
  return 0;
}

}  // namespace vanterel::benchmark
