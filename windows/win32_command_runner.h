#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "hotspot/command_run.h"

namespace vanterel {

// Waits for a handle, returning true when it was signalled in time. The
// window supplies one that keeps its messages flowing.
using HandleWait = std::function<bool(HANDLE handle, DWORD milliseconds)>;

// Starts the system's cmd.exe with the command line, in the system folder
// and with the current folder out of its search for commands, feeds it no
// input, captures what it and its children print and waits for them to
// end. After the timeout it ends them all.
CommandRun runCommandLine(const std::u16string& commandLine, WindowStyle style,
                          std::chrono::milliseconds timeout, const HandleWait& wait);

}  // namespace vanterel
