#pragma once

#include <atomic>
#include <string>

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
// start gave it; when the start then fails, they are given back.
TetheringRun startTethering(TetheringCalls& calls, RecordFile& file, const std::u16string& ssid,
                            const std::u16string& passphrase, std::atomic<TetheringStep>& step);
// Opens the manager and stops the hotspot.
TetheringRun stopTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step);

// Gives the hotspot the settings of the record back, while it still has
// the name and passphrase the program gave it; then the record forgets
// them. Succeeded too when there was nothing to give back.
TetheringRun giveSettingsBack(TetheringCalls& calls, RecordFile& file,
                              std::atomic<TetheringStep>& step);

// Whether the hotspot is on; not when that cannot be told.
bool tetheringIsOn(TetheringCalls& calls);

}  // namespace vanterel
