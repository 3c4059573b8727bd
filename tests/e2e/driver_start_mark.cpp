#include "tests/e2e/driver_start_mark.h"

#include <windows.h>

#include "tests/e2e/environment_block.h"
#include "windows/win32_handle.h"

namespace vanterel::e2e {

void markDriverStarted() {
  const std::wstring folder = environmentVariable(L"VANTEREL_E2E_WORK");
  if (folder.empty()) return;
  UniqueHandle mark(CreateFileW((folder + L"\\driver-started").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace vanterel::e2e
