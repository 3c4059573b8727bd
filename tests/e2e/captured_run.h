#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "tests/e2e/app_process.h"

namespace vanterel::e2e {

// How a console program run by the driver ended and what it printed.
struct CapturedRun {
  bool started = false;
  bool ended = false;  // false: still running when the time was up; it was ended
  DWORD processId = 0;
  DWORD exitCode = 0;
  std::string output;  // stdout and stderr, bytes as printed
};

// Runs a program with the driver's environment plus `changes`, feeding it
// no input and capturing what it prints, for at most `timeout`.
CapturedRun runCaptured(const std::wstring& application, const std::wstring& commandLine,
                        const EnvironmentChanges& changes, std::chrono::milliseconds timeout);

// The system folder's path of a program, as the system's own tools use it.
std::wstring systemProgram(const wchar_t* name);

}  // namespace vanterel::e2e
