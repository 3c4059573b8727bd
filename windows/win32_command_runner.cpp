#include "windows/win32_command_runner.h"

#include <string>
#include <utility>
#include <vector>

#include "windows/win32_handle.h"
#include "windows/win32_pipe_reader.h"
#include "windows/win32_system_folder.h"
#include "windows/win32_system_message.h"
#include "windows/win32_text.h"

namespace vanterel {
namespace {

// After a time-out: how long the reading may take to stop.
constexpr DWORD kReaderStopTime = 2000;

// Console programs write in the OEM code page (936, GBK, on a Chinese system).
std::u16string decodeConsoleOutput(const std::string& bytes) {
  if (bytes.empty()) return u"";
  const UINT codePage = GetOEMCP();
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<std::size_t>(length) + 1);
  MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
  return fromWide(wide.data(), static_cast<std::size_t>(length));
}

std::u16string systemErrorText(DWORD error) {
  const std::string code = "(" + std::to_string(error) + ")";
  return systemMessage(error) + std::u16string(code.begin(), code.end());
}

// cmd looks for a command in its current folder before PATH unless this
// variable is set, whatever its value; the children inherit it.
void keepCurrentFolderOutOfCommandSearch() {
  SetEnvironmentVariableW(L"NoDefaultCurrentDirectoryInExePath", L"1");
}

CommandRun couldNotStart(DWORD error) {
  CommandRun run;
  run.outcome = CommandRun::Outcome::CouldNotStart;
  run.output = systemErrorText(error);
  return run;
}

// A job that ends everything in it when closed, so a hung command and what
// it started go together.
UniqueHandle makeKillOnCloseJob() {
  UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  if (!job) return job;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                               sizeof limits)) {
    job.reset();
  }
  return job;
}

}  // namespace

CommandRun runCommandLine(const std::u16string& commandLine, WindowStyle style,
                          std::chrono::milliseconds timeout, const HandleWait& wait) {
  // cmd.exe by its full path, and started in the system folder: there and
  // along PATH it looks for netsh, never in the folder the program was
  // started from, which is often a downloads folder.
  const std::wstring folder = systemFolder();
  if (folder.empty()) return couldNotStart(GetLastError());
  const std::wstring application = folder + L"\\cmd.exe";
  keepCurrentFolderOutOfCommandSearch();

  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return couldNotStart(GetLastError());
  UniqueHandle output(readEnd);
  UniqueHandle childOutput(writeEnd);
  // Only the child's end may be inherited, or the pipe never breaks.
  SetHandleInformation(output.get(), HANDLE_FLAG_INHERIT, 0);
  UniqueHandle childInput(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inheritable, OPEN_EXISTING, 0, nullptr));

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  DWORD flags = CREATE_SUSPENDED;
  if (style == WindowStyle::Hidden) {
    // No console window at all: where Windows Terminal is the console, a
    // hidden window's hint is not always honoured.
    flags |= CREATE_NO_WINDOW;
  } else {
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(style);
  }
  startup.hStdInput = childInput.get();
  startup.hStdOutput = childOutput.get();
  startup.hStdError = childOutput.get();

  std::wstring mutableLine = toWide(commandLine);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(application.c_str(), &mutableLine[0], nullptr, nullptr, TRUE, flags, nullptr,
                      folder.c_str(), &startup, &started)) {
    return couldNotStart(GetLastError());
  }
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  UniqueHandle job = makeKillOnCloseJob();
  // Inside a job that forbids nesting (Windows 7) only cmd itself can be ended.
  if (job && !AssignProcessToJobObject(job.get(), process.get())) job.reset();
  ResumeThread(thread.get());
  childOutput.reset();
  childInput.reset();

  const PipeReader reader(std::move(output));
  if (!reader.started()) {
    const DWORD error = GetLastError();
    TerminateProcess(process.get(), 1);
    return couldNotStart(error);
  }

  const DWORD budget = static_cast<DWORD>(timeout.count());
  const DWORD begun = GetTickCount();
  const auto remaining = [&]() -> DWORD {
    const DWORD spent = GetTickCount() - begun;
    return spent >= budget ? 0 : budget - spent;
  };
  const bool ended = wait(reader.thread(), budget) && wait(process.get(), remaining());

  CommandRun run;
  if (ended) {
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    run.outcome = CommandRun::Outcome::Exited;
    run.exitCode = exitCode;
  } else {
    if (job) TerminateJobObject(job.get(), 1);
    TerminateProcess(process.get(), 1);
    run.outcome = CommandRun::Outcome::TimedOut;
  }
  // A netsh that outlives cmd (Windows 7, where the job cannot hold it)
  // keeps the pipe open: its reading is then left to end alone.
  reader.cut(kReaderStopTime);
  run.output = decodeConsoleOutput(reader.bytes());
  return run;
}

}  // namespace vanterel
