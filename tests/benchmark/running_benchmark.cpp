#include "tests/benchmark/running_benchmark.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/benchmark/programs.h"
#include "tests/benchmark/typed_window.h"
#include "tests/e2e/app_process.h"
#include "tests/e2e/environment_block.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/netsh_model.h"
#include "tests/e2e/sharing_setup.h"
#include "tests/e2e/test_files.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_input.h"
#include "tests/e2e/window_probe.h"

namespace vanterel::benchmark {
namespace {

using namespace std::chrono_literals;

constexpr char kHostedAdapter[] = "{6E1D3A22-5C0B-4F2E-9A41-7D2C8B10E5F3}";

// The Linux process under Wine that runs the program, found by its command
// line in /proc (Wine's Z: drive is the host's root); empty elsewhere.
std::wstring linuxStatOf(const std::wstring& program) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return L"";
  std::wstring stat;
  do {
    const std::wstring folder = std::wstring(L"Z:\\proc\\") + found.cFileName;
    const std::string commandLine = e2e::readWholeFile(folder + L"\\cmdline");
    const std::string wanted = e2e::utf8(program);
    if (commandLine.size() >= wanted.size() &&
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, commandLine.c_str(),
                       static_cast<int>(wanted.size()), wanted.c_str(),
                       static_cast<int>(wanted.size())) == CSTR_EQUAL) {
      stat = folder + L"\\stat";
    }
  } while (stat.empty() && FindNextFileW(search, &found));
  FindClose(search);
  return stat;
}

// User and system time of all its threads, in the kernel's ticks of 10 ms.
// Wine's own GetProcessTimes of another process lags far behind them.
double cpuMilliseconds(const std::wstring& stat) {
  const std::string fields = e2e::readWholeFile(stat);
  // The 14th and 15th fields, after the command name in parentheses.
  std::size_t at = fields.rfind(')');
  if (at == std::string::npos) return -1;
  double ticks = 0;
  for (int field = 3; field <= 15 && at != std::string::npos; ++field) {
    at = fields.find(' ', at + 1);
    if (field >= 14 && at != std::string::npos) ticks += std::strtod(&fields[at + 1], nullptr);
  }
  return ticks * 10.0;
}

// The machine of the stand-ins, in the work folder: an adapter that can
// host, two devices to connect once it runs, and the hosted adapter.
bool readyTheMachine(const std::wstring& work, e2e::EnvironmentChanges& environment) {
  e2e::NetshState machine;
  machine.peers = {"3C5AB4010203", "A0B1C2D3E4F5"};
  e2e::SharingSetup network;
  network.hosted = kHostedAdapter;
  network.connections = {{kHostedAdapter, "none"}};
  environment = {{L"VANTEREL_NETSH_STATE", work + L"\\running.netsh.state"},
                 {L"VANTEREL_NETSH_LOG", work + L"\\running.netsh.log"},
                 {L"VANTEREL_SHARING_SETUP", work + L"\\running.sharing.setup"},
                 {L"VANTEREL_SHARING_LOG", work + L"\\running.sharing.log"}};
  return e2e::writeWholeFile(environment[0].second, e2e::formatNetshState(machine)) &&
         e2e::writeSharingSetup(environment[2].second, network);
}

// Dismisses the boxes of the start: its success and, the stand-ins listing
// no connection to the Internet, the notice that sharing could not be done.
bool dismissBoxes(HWND window) {
  bool any = false;
  while (const auto box = e2e::waitForMessageBox(window, any ? 2s : 60s)) {
    if (box->title != L"成功" && box->title != L"提示") return false;
    if (!e2e::dismissMessageBox(*box, 10s)) return false;
    any = true;
  }
  return any;
}

}  // namespace

int benchmarkRunning(const std::wstring& program, int seconds) {
  const std::wstring work = e2e::environmentVariable(L"VANTEREL_E2E_WORK");
  e2e::EnvironmentChanges environment;
  e2e::AppProcess process;
  HWND window = nullptr;
  std::string problem;
  if (!readyTheMachine(work, environment)) {
    problem = "the stand-ins' files could not be written";
  } else if ((window = startTyped(process, program, environment, problem)) != nullptr) {
    e2e::clickButton(e2e::controlOf(window, Control::Command1));
    if (!dismissBoxes(window)) {
      problem = "the start did not succeed";
    } else if (!e2e::waitUntil(
                   [&] {
                     return e2e::textOf(e2e::controlOf(window, Control::Label7)) ==
                            L"热点已开启，已连接 2 台设备";
                   },
                   10s)) {
      problem = "the status line never showed the two devices";
    }
  }
  if (!problem.empty()) {
    std::fprintf(stderr, "running benchmark: cannot measure: %s\n", problem.c_str());
    return 1;
  }

  const std::wstring stat = linuxStatOf(program);
  const double before = cpuMilliseconds(stat);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  const double after = cpuMilliseconds(stat);
  if (stat.empty() || before < 0 || after < 0 || !process.running()) {
    std::fprintf(stderr, "running benchmark: cannot measure: no times of vanterel.exe's process\n");
    return 1;
  }
  const double used = after - before;
  std::printf(
      "Running (%s): %s's CPU time over %d s with 2 devices connected, the window watching "
      "(the stand-in wlanapi's own polling included): %.0f ms, %.2f %% of one core\n",
      kArchitecture, fileName(program).c_str(), seconds, used, used / (seconds * 10.0));
  return 0;
}

}  // namespace vanterel::benchmark
