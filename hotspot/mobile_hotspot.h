#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hotspot/main_window.h"
#include "hotspot/system.h"
#include "hotspot/tethering_run.h"

namespace vanterel {

// The Mobile hotspot's requests (tethering_requests.h) handed to the
// system's worker, each within its budget, and the boxes they show.

// What the Mobile hotspot says of itself; nothing when it cannot be asked.
std::optional<TetheringLook> lookAtMobileHotspot(System& system);

// The devices connected to it; nothing when they cannot be asked.
std::optional<std::vector<ConnectedDevice>> mobileHotspotDevices(System& system);

// Starts the Mobile hotspot in place of the hosted network, which the
// adapter cannot host. Shows the error box when it fails; true when on.
bool startMobileHotspotInstead(MainWindow& form, System& system, const std::u16string& ssid,
                               const std::u16string& passphrase);

// Stops the Mobile hotspot, unless it is off already; shows the error box
// when that fails. True when off; then it has its own settings back, and
// `notice` says when it could not.
bool stopMobileHotspot(MainWindow& form, System& system, std::u16string& notice);

// Gives the Mobile hotspot its own settings back, as a stop does; what the
// user is to read when that failed, or nothing.
std::u16string giveMobileHotspotSettingsBack(System& system);

// Starts it again as it was configured, after the computer slept.
TetheringRun restartMobileHotspot(System& system);

}  // namespace vanterel
