#pragma once

#include <windows.h>

#include "hotspot/system.h"
#include "windows/win32_command_runner.h"
#include "windows/win32_handle.h"

namespace vanterel {

// The system as Windows offers it. Every wait goes through the window's
// own, so the window paints while the computer works.
class Win32System final : public System {
 public:
  explicit Win32System(HandleWait wait);

  CommandRun runCommand(const std::u16string& commandLine, WindowStyle style,
                        std::chrono::milliseconds timeout) override;
  bool hasMobileHotspot() override;
  TetheringRun startMobileHotspot(const std::u16string& ssid,
                                  const std::u16string& passphrase) override;
  bool mobileHotspotIsOn() override;
  TetheringRun stopMobileHotspot() override;
  bool runSharingJob(std::function<void(ConnectionSharing&)> job) override;
  std::u16string systemMessage(std::uint32_t code) override;

 private:
  HandleWait wait_;
  // A sharing job given up at its time limit, which may still be running.
  UniqueHandle lateSharingJob_;
};

}  // namespace vanterel
