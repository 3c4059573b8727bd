#pragma once

#include <string>

#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// The Mobile hotspot's requests (tethering_requests.h) handed to the
// system's worker, each within its budget, and the boxes they show.

// Whether the Mobile hotspot is on; not when that cannot be told.
bool mobileHotspotIsOn(System& system);

// Starts the Mobile hotspot in place of the hosted network, which the
// adapter cannot host. Shows the error box when it fails; true when on.
bool startMobileHotspotInstead(MainWindow& form, System& system, const std::u16string& ssid,
                               const std::u16string& passphrase);

// Stops the Mobile hotspot; shows the error box when it fails. True when
// off; then it has its own settings back, and `notice` says when it could
// not.
bool stopMobileHotspot(MainWindow& form, System& system, std::u16string& notice);

}  // namespace vanterel
