#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "windows/win32_handle.h"
#include "tests/e2e/environment_block.h"

namespace vanterel::e2e {

// The program under test as a running process. Ended when this goes, so a
// failed test leaves nothing behind.
class AppProcess {
 public:
  AppProcess() = default;
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  ~AppProcess();

  // Starts the program with the driver's environment, where `changes` sets
  // (or replaces) variables, in `folder` (empty: the driver's current one).
  // False, with the reason, when it cannot start.
  bool start(const std::wstring& program, const EnvironmentChanges& changes, std::wstring& error,
             const std::wstring& folder = L"");

  DWORD id() const { return id_; }
  bool running() const;
  bool waitForExit(std::chrono::milliseconds timeout) const;
  // Known once the process has ended.
  std::optional<DWORD> exitCode() const;
  void terminate();

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
};

// True once the process with this id has ended (or never existed), within
// the timeout: for processes the driver did not start, such as netsh.
bool waitForProcessEnd(DWORD processId, std::chrono::milliseconds timeout);

}  // namespace vanterel::e2e
