#pragma once

#include "hotspot/hotspot_look.h"
#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// Stops the hotspot the way it started, giving back what the start changed
// (the sharing, the Mobile hotspot's settings); tells the user and switches
// the window to idle. One found stopped already is stopped. A failed stop
// leaves the window running, the error box having told why: the network
// may still be up. True when stopped.
bool stopHotspot(MainWindow& form, System& system, HotspotStart way);

}  // namespace vanterel
