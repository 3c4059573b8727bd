#pragma once

#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// Stops the hotspot, the Mobile hotspot when it is on, the hosted network
// otherwise, giving the sharing found before the start back; tells the
// user and switches the window to idle. A failed stop leaves the window
// running, the error box having told why: the network may still be up.
void stopHotspot(MainWindow& form, System& system);

}  // namespace vanterel
