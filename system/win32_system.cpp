#include "system/win32_system.h"

#include <memory>
#include <utility>

#include "hosted_network/connection_sharing.h"
#include "system/win32_connection_sharing.h"
#include "system/win32_mobile_hotspot.h"
#include "system/win32_system_message.h"
#include "system/win32_worker.h"

namespace vanterel {

Win32System::Win32System(HandleWait wait) : wait_(std::move(wait)) {}

CommandRun Win32System::runCommand(const std::u16string& commandLine, WindowStyle style,
                                   std::chrono::milliseconds timeout) {
  return runCommandLine(commandLine, style, timeout, wait_);
}

bool Win32System::hasMobileHotspot() { return win32HasMobileHotspot(wait_); }

TetheringRun Win32System::startMobileHotspot(const std::u16string& ssid,
                                             const std::u16string& passphrase) {
  return win32StartMobileHotspot(ssid, passphrase, wait_);
}

bool Win32System::mobileHotspotIsOn() { return win32MobileHotspotIsOn(wait_); }

TetheringRun Win32System::stopMobileHotspot() { return win32StopMobileHotspot(wait_); }
SharingOutcome Win32System::shareInternetWithHostedNetwork() {
  // Shared with the worker, which may outlive the wait.
  const auto outcome = std::make_shared<SharingOutcome>();
  const bool ended = runOffWindowThread(
      [outcome] {
        Win32ConnectionSharing sharing;
        *outcome = shareInternet(sharing);
      },
      kSharingTimeout, wait_);
  if (!ended) {
    SharingOutcome late;
    late.kind = SharingOutcome::Kind::TimedOut;
    return late;
  }
  SharingOutcome result = *outcome;
  if (result.kind == SharingOutcome::Kind::Failed) result.systemText = systemMessage(result.code);
  return result;
}

void Win32System::stopSharingHostedNetwork() {
  runOffWindowThread(
      [] {
        Win32ConnectionSharing sharing;
        stopSharing(sharing);
      },
      kSharingTimeout, wait_);
}

}  // namespace vanterel
