#pragma once

#include <chrono>
#include <string>

#include "system/command_run.h"
#include "system/internet_sharing.h"

namespace vanterel {

// What the click handlers ask of the computer, apart from the window. The
// Win32 side implements it; tests use an in-memory one. Every call may take
// seconds: meanwhile the window keeps painting but takes no input.
class System {
 public:
  virtual ~System() = default;

  // Runs a command line to its end, capturing what it prints.
  virtual CommandRun runCommand(const std::u16string& commandLine, WindowStyle style,
                                std::chrono::milliseconds timeout) = 0;

  // Shares the connection this computer reaches the Internet through with
  // the started hosted network's adapter.
  virtual SharingOutcome shareInternetWithHostedNetwork() = 0;
  // Turns that sharing off again, as far as it can; says nothing.
  virtual void stopSharingHostedNetwork() = 0;
};

}  // namespace vanterel
