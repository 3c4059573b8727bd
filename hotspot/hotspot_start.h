#pragma once

#include <string>

#include "hotspot/hotspot_look.h"
#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// Starts the hotspot with the checked name and key: the hosted network, or
// the Mobile hotspot where the adapter cannot host. Once on, shares the
// Internet connection with it, tells the user and switches the window to
// running; otherwise the error box has told why.
HotspotStart startHotspot(MainWindow& form, System& system, const std::u16string& networkName,
                          const std::u16string& networkKey);

}  // namespace vanterel
