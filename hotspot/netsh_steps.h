#pragma once

#include <vector>

#include "hotspot/command_lines.h"
#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// How a run of netsh steps ended.
enum class StepsEnd {
  Succeeded,
  Failed,                // the error box told which step, and why
  MobileHotspotInstead,  // a step the Mobile hotspot may follow failed because
                         // the adapter cannot host, and Windows has the Mobile
                         // hotspot; nothing was shown
};

// Runs the steps in order, each to its end, and stops at the first that
// fails: tells the user about it, with what to do when the drivers tell why
// the network could not start.
StepsEnd runSteps(MainWindow& form, System& system, const std::vector<Step>& steps);

}  // namespace vanterel
