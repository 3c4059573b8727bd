#include "tests/e2e/captured_run.h"

#include <utility>

#include "windows/win32_handle.h"
#include "windows/win32_pipe_reader.h"
#include "tests/e2e/environment_block.h"
#include "tests/e2e/process_start.h"

namespace vanterel::e2e {

std::wstring systemProgram(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, length) + L"\\" + name;
}

CapturedRun runCaptured(const std::wstring& application, const std::wstring& commandLine,
                        const EnvironmentChanges& changes, std::chrono::milliseconds timeout) {
  CapturedRun run;
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return run;
  UniqueHandle output(readEnd);
  UniqueHandle childOutput(writeEnd);
  SetHandleInformation(output.get(), HANDLE_FLAG_INHERIT, 0);
  UniqueHandle childInput(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inheritable, OPEN_EXISTING, 0, nullptr));

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = childInput.get();
  startup.hStdOutput = childOutput.get();
  startup.hStdError = childOutput.get();
  std::wstring environment = environmentBlock(changes);
  ProcessStart start{application,     commandLine, true, CREATE_UNICODE_ENVIRONMENT,
                     &environment[0], &startup,    {}};
  PROCESS_INFORMATION started{};
  if (startProcess(start, started) != 0) return run;
  UniqueHandle process(started.hProcess);
  CloseHandle(started.hThread);
  childOutput.reset();
  childInput.reset();
  run.started = true;
  run.processId = started.dwProcessId;

  const PipeReader reader(std::move(output));
  const DWORD budget = static_cast<DWORD>(timeout.count());
  run.ended = WaitForSingleObject(process.get(), budget) == WAIT_OBJECT_0;
  if (!run.ended) TerminateProcess(process.get(), 1);
  GetExitCodeProcess(process.get(), &run.exitCode);
  // Whatever the program started may still hold the pipe: read only briefly.
  if (WaitForSingleObject(reader.thread(), 5000) != WAIT_OBJECT_0) reader.cut(5000);
  run.output = reader.bytes();
  return run;
}

}  // namespace vanterel::e2e
