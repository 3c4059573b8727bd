#pragma once

#include <atomic>
#include <string>

#include "hotspot/tethering_calls.h"
#include "hotspot/tethering_run.h"

namespace vanterel {

// The requests to the Mobile hotspot: which calls, in which order, and what
// their answers mean. Each stops at the first call that does not succeed;
// `step` follows the step under way, for a caller that stops waiting.

// Opens the manager, sets the name and passphrase and starts the hotspot.
TetheringRun startTethering(TetheringCalls& calls, const std::u16string& ssid,
                            const std::u16string& passphrase, std::atomic<TetheringStep>& step);
// Opens the manager and stops the hotspot.
TetheringRun stopTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step);

// Whether the hotspot is on; not when that cannot be told.
bool tetheringIsOn(TetheringCalls& calls);

}  // namespace vanterel
