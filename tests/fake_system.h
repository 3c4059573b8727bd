#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "system/system.h"

namespace vanterel {

// The computer in memory: records every command and answers as a test tells it to.
class FakeSystem final : public System {
 public:
  struct Launch {
    std::u16string commandLine;
    WindowStyle style;
    std::chrono::milliseconds timeout;
  };

  // How each command ends; by default it exits with 0 and prints nothing.
  std::function<CommandRun(const std::u16string& commandLine)> commandOutcome;

  std::vector<Launch> launches;

  // The Mobile hotspot: absent by default. Each request is recorded as
  // "start <ssid> <passphrase>" or "stop" and answered by the given run.
  bool mobileHotspotPresent = false;
  bool mobileHotspotOn = false;
  TetheringRun tetheringAnswer;
  std::vector<std::u16string> tetheringRequests;

  CommandRun runCommand(const std::u16string& commandLine, WindowStyle style,
                        std::chrono::milliseconds timeout) override;
  bool hasMobileHotspot() override { return mobileHotspotPresent; }
  TetheringRun startMobileHotspot(const std::u16string& ssid,
                                  const std::u16string& passphrase) override;
  bool mobileHotspotIsOn() override { return mobileHotspotOn; }
  TetheringRun stopMobileHotspot() override;

  // How sharing the connection ends; by default it is shared.
  SharingOutcome sharingOutcome;
  // For each sharing call, how many commands had been launched before it.
  std::vector<std::size_t> sharedAfter;
  std::vector<std::size_t> sharingStoppedAfter;

  SharingOutcome shareInternetWithHostedNetwork() override;
  void stopSharingHostedNetwork() override;
};

// A command run that ended with the given exit code and output.
CommandRun exitedWith(std::uint32_t exitCode, const std::u16string& output = u"");

}  // namespace vanterel
