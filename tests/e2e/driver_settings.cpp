#include "tests/e2e/driver_settings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>

#include "tests/e2e/environment_block.h"

namespace vanterel::e2e {

const DriverSettings& driverSettings() {
  static const DriverSettings settings = [] {
    DriverSettings read;
    read.program = environmentVariable(L"VANTEREL_E2E_PROGRAM");
    read.workFolder = environmentVariable(L"VANTEREL_E2E_WORK");
    const std::wstring dpi = environmentVariable(L"VANTEREL_E2E_DPI");
    if (!dpi.empty()) read.dpi = static_cast<int>(std::wcstol(dpi.c_str(), nullptr, 10));
    return read;
  }();
  return settings;
}

std::wstring besideDriver(const wchar_t* name) {
  wchar_t driver[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, driver, MAX_PATH);
  const std::wstring path(driver, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

std::wstring currentTestFile(const wchar_t* suffix) {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "." + test->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return driverSettings().workFolder + L"\\" + std::wstring(name.begin(), name.end()) + suffix;
}

}  // namespace vanterel::e2e
