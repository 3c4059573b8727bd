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

  // How sharing the connection ends; by default it is shared.
  SharingOutcome sharingOutcome;
  // For each sharing call, how many commands had been launched before it.
  std::vector<std::size_t> sharedAfter;
  std::vector<std::size_t> sharingStoppedAfter;

  CommandRun runCommand(const std::u16string& commandLine, WindowStyle style,
                        std::chrono::milliseconds timeout) override;
  SharingOutcome shareInternetWithHostedNetwork() override;
  void stopSharingHostedNetwork() override;
};

// A command run that ended with the given exit code and output.
CommandRun exitedWith(std::uint32_t exitCode, const std::u16string& output = u"");

}  // namespace vanterel
