#pragma once

#include <string>

#include "hotspot/main_window.h"
#include "hotspot/system.h"
#include "hotspot/tethering_run.h"

namespace vanterel {

// Why the Mobile hotspot cannot take this name or passphrase, as the
// message the user reads; empty when it can.
std::u16string mobileHotspotRefusal(const std::u16string& ssid, const std::u16string& passphrase);

// The message that tells the user which step of the Mobile hotspot failed,
// what that means and what to do.
std::u16string describeTetheringFailure(const TetheringRun& run);

// Starts the Mobile hotspot in place of the hosted network, which the
// adapter cannot host. Shows the error box when it fails; true when on.
bool startMobileHotspotInstead(MainWindow& form, System& system, const std::u16string& ssid,
                               const std::u16string& passphrase);

// Stops the Mobile hotspot; shows the error box when it fails. True when off.
bool stopMobileHotspot(MainWindow& form, System& system);

}  // namespace vanterel
