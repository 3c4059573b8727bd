#pragma once

#include <string>

namespace vanterel::e2e {

// What the test run tells the driver through its environment.
struct DriverSettings {
  std::wstring program;     // VANTEREL_E2E_PROGRAM: vanterel.exe to start
  std::wstring workFolder;  // VANTEREL_E2E_WORK: where logs, rules and images go
  int dpi = 96;             // VANTEREL_E2E_DPI: the DPI the prefix was set to
};

const DriverSettings& driverSettings();

// A file in the work folder named after the running test and `suffix`.
std::wstring currentTestFile(const wchar_t* suffix);

// A file built beside the driver, by its full path.
std::wstring besideDriver(const wchar_t* name);

}  // namespace vanterel::e2e
