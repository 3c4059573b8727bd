#pragma once

#include <windows.h>

#include <functional>

#include "system/win32_command_runner.h"

namespace vanterel {

// Runs the work on a thread of its own and waits for it with the window's
// wait. True when it ended in time; otherwise it is left to end alone, so it
// must own everything it touches (shared ownership, nothing on the caller's
// stack).
bool runOffWindowThread(std::function<void()> work, DWORD milliseconds, const HandleWait& wait);

}  // namespace vanterel
