#pragma once

#include <cstddef>
#include <string>

#include "hotspot/hotspot_look.h"
#include "hotspot/main_window.h"

namespace vanterel {

// Why the hotspot stopped without a press of the button.
enum class StopCause {
  AdapterGone,             // the wireless adapter was turned off or removed
  NotRestartedAfterSleep,  // it could not be started again after the computer slept
  Elsewhere,               // it was turned off elsewhere
};

// What Label7 says of the hotspot.
void showIdle(MainWindow& form);
void showRunning(MainWindow& form, HotspotStart way, std::size_t devices);
// Until the next press; `reason` is the system's, after a failed restart.
void showStopped(MainWindow& form, StopCause cause, const std::u16string& reason = u"");

}  // namespace vanterel
