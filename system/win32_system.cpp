#include "system/win32_system.h"

#include <utility>

#include "system/win32_mobile_hotspot.h"

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

}  // namespace vanterel
