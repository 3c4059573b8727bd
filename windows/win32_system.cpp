#include "windows/win32_system.h"

#include <utility>

#include "windows/win32_sharing_calls.h"
#include "windows/win32_tethering_calls.h"
#include "windows/win32_system_message.h"
#include "windows/win32_worker.h"

namespace vanterel {

Win32System::Win32System(HandleWait wait) : wait_(std::move(wait)) {}

CommandRun Win32System::runCommand(const std::u16string& commandLine, WindowStyle style,
                                   std::chrono::milliseconds timeout) {
  return runCommandLine(commandLine, style, timeout, wait_);
}

bool Win32System::hasMobileHotspot() { return win32HasMobileHotspot(wait_); }

JobEnd Win32System::runTetheringJob(std::function<void(TetheringCalls&)> job,
                                    std::chrono::milliseconds budget) {
  return runOffWindowThread(
      [job = std::move(job)] {
        Win32TetheringCalls calls;
        job(calls);
      },
      budget, wait_);
}

JobEnd Win32System::runSharingJob(std::function<void(SharingCalls&)> job) {
  // One job at a time: a late one may still be changing the sharing.
  const auto budget = std::chrono::milliseconds(kSharingTimeout);
  if (lateSharingJob_) {
    if (!wait_(lateSharingJob_.get(), static_cast<DWORD>(budget.count()))) {
      return JobEnd{JobEnd::Kind::TimedOut, 0};
    }
    lateSharingJob_.reset();
  }
  return runOffWindowThread(
      [job = std::move(job)] {
        Win32SharingCalls sharing;
        job(sharing);
      },
      budget, wait_, &lateSharingJob_);
}

std::u16string Win32System::systemMessage(std::uint32_t code) {
  return vanterel::systemMessage(code);
}

}  // namespace vanterel
