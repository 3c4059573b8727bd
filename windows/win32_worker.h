#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "hotspot/system.h"
#include "windows/win32_command_runner.h"
#include "windows/win32_handle.h"

namespace vanterel {

// Runs the work on a thread of its own and waits for it through `wait`, so
// the window keeps painting. What it throws ends it as a failure, never the
// program. When it has not ended in time it is left to finish alone, so it
// must own all it touches; `leftRunning`, when given, then holds its thread.
JobEnd runOffWindowThread(std::function<void()> work, std::chrono::milliseconds timeout,
                          const HandleWait& wait, UniqueHandle* leftRunning = nullptr);

}  // namespace vanterel
