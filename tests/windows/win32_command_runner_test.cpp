#include "windows/win32_command_runner.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>

#include "windows/win32_system_folder.h"
#include "windows/win32_text.h"
#include "windows/win32_worker.h"
#include "tests/e2e/driver_settings.h"
#include "tests/e2e/utf8.h"

namespace vanterel {
namespace {

using namespace std::chrono_literals;

bool plainWait(HANDLE handle, DWORD milliseconds) {
  return WaitForSingleObject(handle, milliseconds) == WAIT_OBJECT_0;
}

std::u16string text(const std::wstring& wide) { return fromWide(wide.data(), wide.size()); }

TEST(CommandRuns, StartInTheSystemFolderWithTheCurrentFolderOutOfTheirSearch) {
  const CommandRun run = runCommandLine(u"cmd /c cd & set NoDefaultCurrentDirectoryInExePath",
                                        WindowStyle::Hidden, 30s, plainWait);
  ASSERT_EQ(run.outcome, CommandRun::Outcome::Exited) << e2e::utf8(toWide(run.output));
  EXPECT_EQ(run.output, text(systemFolder()) + u"\r\nNoDefaultCurrentDirectoryInExePath=1\r\n");
}

// A process outside the job keeps the pipe open after the time-out: the run
// gives the reading up within moments, and says the step timed out.
TEST(CommandRuns, AChildThatKeepsThePipeOpenIsGivenUpSoonAfterTheTimeOut) {
  constexpr auto kTimeout = 2s;
  const std::u16string line = u"cmd /c \"" + text(e2e::besideDriver(L"pipe_holder.exe")) + u"\" " +
                              text(std::to_wstring(GetCurrentProcessId()));
  // Run off this thread, so that a run that never returns fails the test
  // rather than hangs it.
  const auto run = std::make_shared<CommandRun>();
  const auto begun = std::chrono::steady_clock::now();
  const JobEnd end = runOffWindowThread(
      [run, line, kTimeout] {
        *run = runCommandLine(line, WindowStyle::Hidden, kTimeout, plainWait);
      },
      60s, plainWait);
  const auto took = std::chrono::steady_clock::now() - begun;
  ASSERT_EQ(end.kind, JobEnd::Kind::Ended) << "the run did not return within a minute";
  EXPECT_EQ(run->outcome, CommandRun::Outcome::TimedOut);
  EXPECT_LT(took, kTimeout + 5s);
}

}  // namespace
}  // namespace vanterel
