#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "hotspot/record_file.h"
#include "hotspot/tethering_calls.h"
#include "hotspot/tethering_run.h"

namespace vanterel {

// The requests to the Mobile hotspot: which calls, in which order, and what
// their answers mean. Each stops at the first call that does not succeed;
// `step` follows the step under way, for a caller that stops waiting.

// Opens the manager, sets the name and passphrase and starts the hotspot.
// Before it changes them, the settings the hotspot had go into the record,
// unless an earlier start's are there and the hotspot still has what that
// start gave it; when the start then fails, they are given back. Once on,
// its no-connections timeout goes off, and the record says so.
TetheringRun startTethering(TetheringCalls& calls, RecordFile& file, const std::u16string& ssid,
                            const std::u16string& passphrase, std::atomic<TetheringStep>& step);
// Opens the manager and stops the hotspot.
TetheringRun stopTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step);

// Gives the hotspot the settings of the record back, while it still has
// the name and passphrase the program gave it, and its no-connections
// timeout where the program turned it off; then the record forgets them.
// Succeeded too when there was nothing to give back.
TetheringRun giveSettingsBack(TetheringCalls& calls, RecordFile& file,
                              std::atomic<TetheringStep>& step);

// Starts the hotspot again as it was configured, after the computer slept.
TetheringRun restartTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step);

// What the hotspot says of itself; nothing when it cannot be asked. Off
// when there is no connection to share.
std::optional<TetheringLook> lookAtTethering(TetheringCalls& calls);

// The devices connected; nothing when they cannot be asked.
std::optional<std::vector<ConnectedDevice>> tetheringClients(TetheringCalls& calls);

}  // namespace vanterel
