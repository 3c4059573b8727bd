#include "tests/e2e/process_start.h"

#include <cstdio>

#include "tests/e2e/start_retry.h"
#include "tests/e2e/utf8.h"

namespace vanterel::e2e {

DWORD startProcess(const ProcessStart& start, PROCESS_INFORMATION& started,
                   const std::function<void()>& beforeEachTry) {
  STARTUPINFOW plain{};
  plain.cb = sizeof plain;
  STARTUPINFOW& startup = start.startup != nullptr ? *start.startup : plain;
  const std::string name =
      utf8(start.application.substr(start.application.find_last_of(L"\\/") + 1));
  return startRetrying(
      [&]() -> std::uint32_t {
        if (beforeEachTry) beforeEachTry();
        // CreateProcessW may write into the command line.
        std::wstring line = start.commandLine;
        started = PROCESS_INFORMATION{};
        return CreateProcessW(start.application.c_str(), &line[0], nullptr, nullptr,
                              start.inheritHandles, start.flags, start.environment,
                              start.folder.empty() ? nullptr : start.folder.c_str(), &startup,
                              &started)
                   ? 0
                   : GetLastError();
      },
      [&](std::uint32_t error) {
        std::fprintf(stderr, "start of %s failed with %lu, tried again\n", name.c_str(),
                     static_cast<unsigned long>(error));
        std::fflush(stderr);
      },
      [] { Sleep(static_cast<DWORD>(kStartRetryPause.count())); });
}

}  // namespace vanterel::e2e
