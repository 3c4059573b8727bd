#pragma once

#include <chrono>
#include <string>

#include "system/command_run.h"
#include "system/tethering_run.h"
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

  // Whether Windows offers the Mobile hotspot (Windows 10 1607 and later),
  // found by asking for it, not by the version.
  virtual bool hasMobileHotspot() = 0;
  // Shares the internet connection through the Mobile hotspot under this
  // name and passphrase.
  virtual TetheringRun startMobileHotspot(const std::u16string& ssid,
                                          const std::u16string& passphrase) = 0;
  virtual bool mobileHotspotIsOn() = 0;
  virtual TetheringRun stopMobileHotspot() = 0;
  // Shares the connection this computer reaches the Internet through with
  // the started hosted network's adapter.
  virtual SharingOutcome shareInternetWithHostedNetwork() = 0;
  // Turns that sharing off again, as far as it can; says nothing.
  virtual void stopSharingHostedNetwork() = 0;
};

}  // namespace vanterel
