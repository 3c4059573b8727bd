#include "system/win32_system.h"

#include <utility>

namespace vanterel {

Win32System::Win32System(HandleWait wait) : wait_(std::move(wait)) {}

CommandRun Win32System::runCommand(const std::u16string& commandLine, WindowStyle style,
                                   std::chrono::milliseconds timeout) {
  return runCommandLine(commandLine, style, timeout, wait_);
}

}  // namespace vanterel
