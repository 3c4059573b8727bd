#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "hotspot/command_run.h"

namespace vanterel {

// One netsh command of a click, with the name the user is told when it fails.
struct Step {
  std::u16string name;
  std::u16string commandLine;
  WindowStyle style;
  // The step that starts the hosted network: when it fails, the drivers are
  // asked why, and where the adapter cannot host, the Mobile hotspot may
  // start instead.
  bool mobileHotspotMayFollow = false;
};

// How long one command may run before it is ended and reported as failed.
constexpr std::chrono::seconds kStepTimeout{30};

Step stopStep();

// The four commands that configure and start the hosted network, in the
// order they must run. Name and key are passed on intact (see
// command_line_encoding.h); check them with refusalOf first.
std::vector<Step> startSteps(const std::u16string& networkName, const std::u16string& networkKey);

// Starts the hosted network again, as it was set, after the computer slept.
Step restartStep();

// Lists the wireless drivers and whether they can host a network; run
// after a failed start to tell the user why.
Step showDriversStep();

// Why the name or key cannot be passed on, as the message the user reads;
// empty when both can.
std::u16string refusalOf(const std::u16string& networkName, const std::u16string& networkKey);

}  // namespace vanterel
