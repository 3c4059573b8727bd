#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/app_process.h"

namespace vanterel::benchmark {

// Starts the program and types the name and password least_starter.exe
// passes (plain, so both run the same lines) into its window, which then
// answers messages: its handle, or null with the problem.
HWND startTyped(e2e::AppProcess& process, const std::wstring& program,
                const e2e::EnvironmentChanges& changes, std::string& problem);

}  // namespace vanterel::benchmark
