#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vanterel::e2e {

// What CreateProcessW takes, but the security attributes.
struct ProcessStart {
  std::wstring application;
  std::wstring commandLine;
  bool inheritHandles = false;
  DWORD flags = 0;
  void* environment = nullptr;
  STARTUPINFOW* startup = nullptr;  // null: a plain one
  std::wstring folder;              // empty: the driver's current folder
};

// CreateProcessW, tried again when Wine refuses the start with its internal
// error (see start_retry.h), saying so on the standard error. `beforeEachTry`,
// when given, runs right before each try: a figure timed from the start
// counts only the try that started. Returns 0, with `started` filled, or the
// error of the last try.
DWORD startProcess(const ProcessStart& start, PROCESS_INFORMATION& started,
                   const std::function<void()>& beforeEachTry = nullptr);

}  // namespace vanterel::e2e
