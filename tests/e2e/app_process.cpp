#include "tests/e2e/app_process.h"

#include "tests/e2e/environment_block.h"
#include "tests/e2e/process_start.h"

namespace vanterel::e2e {

AppProcess::~AppProcess() { terminate(); }

bool AppProcess::start(const std::wstring& program, const EnvironmentChanges& changes,
                       std::wstring& error, const std::wstring& folder) {
  std::wstring environment = environmentBlock(changes);
  ProcessStart start;
  start.application = program;
  start.commandLine = L"\"" + program + L"\"";
  start.flags = CREATE_UNICODE_ENVIRONMENT;
  start.environment = &environment[0];
  start.folder = folder;
  PROCESS_INFORMATION started{};
  if (const DWORD failed = startProcess(start, started)) {
    error = L"CreateProcess failed with error " + std::to_wstring(failed);
    return false;
  }
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  id_ = started.dwProcessId;
  return true;
}

bool AppProcess::running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool AppProcess::waitForExit(std::chrono::milliseconds timeout) const {
  if (!process_) return true;
  return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> AppProcess::exitCode() const {
  DWORD code = 0;
  if (running() || !process_ || !GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

void AppProcess::terminate() {
  if (!running()) return;
  TerminateProcess(process_.get(), 1);
  WaitForSingleObject(process_.get(), 5000);
}

bool waitForProcessEnd(DWORD processId, std::chrono::milliseconds timeout) {
  UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  if (!process) return true;
  return WaitForSingleObject(process.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

}  // namespace vanterel::e2e
