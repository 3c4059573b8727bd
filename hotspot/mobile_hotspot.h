#pragma once

#include <atomic>
#include <string>

#include "hotspot/main_window.h"
#include "hotspot/system.h"
#include "hotspot/tethering_calls.h"
#include "hotspot/tethering_run.h"

namespace vanterel {

// Why the Mobile hotspot cannot take this name or passphrase, as the
// message the user reads; empty when it can.
std::u16string mobileHotspotRefusal(const std::u16string& ssid, const std::u16string& passphrase);

// The message that tells the user which step of the Mobile hotspot failed,
// what that means and what to do.
std::u16string describeTetheringFailure(const TetheringRun& run);

// Opens the manager, sets the name and passphrase and starts the Mobile
// hotspot, stopping at the first step that does not succeed; `step` follows
// the step under way, for a caller that stops waiting.
TetheringRun startTethering(TetheringCalls& calls, const std::u16string& ssid,
                            const std::u16string& passphrase, std::atomic<TetheringStep>& step);
TetheringRun stopTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step);

// Whether the Mobile hotspot is on; not when that cannot be told.
bool mobileHotspotIsOn(System& system);

// Starts the Mobile hotspot in place of the hosted network, which the
// adapter cannot host. Shows the error box when it fails; true when on.
bool startMobileHotspotInstead(MainWindow& form, System& system, const std::u16string& ssid,
                               const std::u16string& passphrase);

// Stops the Mobile hotspot; shows the error box when it fails. True when off.
bool stopMobileHotspot(MainWindow& form, System& system);

}  // namespace vanterel
