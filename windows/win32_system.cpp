#include "windows/win32_system.h"

#include <memory>
#include <utility>

#include "windows/win32_hosted_network_devices.h"
#include "windows/win32_hosted_network_status.h"
#include "windows/win32_sharing_calls.h"
#include "windows/win32_tethering_calls.h"
#include "windows/win32_system_message.h"
#include "windows/win32_text.h"
#include "windows/win32_worker.h"

namespace vanterel {
namespace {

constexpr std::chrono::seconds kWlanQueryBudget{10};

}  // namespace

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

std::optional<HostedNetworkStatus> Win32System::hostedNetworkStatus() {
  // On a worker: the WLAN service may be slow to answer, or not at all.
  const auto status = std::make_shared<std::optional<HostedNetworkStatus>>();
  const JobEnd end = runOffWindowThread([status] { *status = queryHostedNetworkStatus(); },
                                        kWlanQueryBudget, wait_);
  return end.kind == JobEnd::Kind::Ended ? *status : std::nullopt;
}

std::optional<std::vector<ConnectedDevice>> Win32System::hostedNetworkDevices() {
  const auto devices = std::make_shared<std::optional<std::vector<ConnectedDevice>>>();
  const JobEnd end = runOffWindowThread([devices] { *devices = queryHostedNetworkDevices(); },
                                        kWlanQueryBudget, wait_);
  return end.kind == JobEnd::Kind::Ended ? *devices : std::nullopt;
}

void Win32System::pause(std::chrono::milliseconds duration) {
  // An event that nothing sets: the wait lasts the whole time.
  const UniqueHandle never(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (never) wait_(never.get(), static_cast<DWORD>(duration.count()));
}

bool Win32System::runInBackground(std::function<void(BackgroundCalls&)> job,
                                  std::function<void()> done) {
  return background_.run(std::move(job), std::move(done));
}

std::size_t Win32System::ansiLength(const std::u16string& text) {
  if (text.empty()) return 0;
  const std::wstring wide = toWide(text);
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
  return bytes > 0 ? static_cast<std::size_t>(bytes) : 0;
}

}  // namespace vanterel
