#pragma once

#include <string>

#include "hotspot/tethering_run.h"

namespace vanterel {

// What a failed request means and what to do, in a sentence or two.
std::u16string tetheringFailureReason(const TetheringRun& run);

// The message that tells the user which step of the Mobile hotspot failed,
// what that means and what to do; empty when the request succeeded.
std::u16string describeTetheringFailure(const TetheringRun& run);

// What the user reads, titled "提示", after the stop's own box when the
// Mobile hotspot's own name and passphrase could not be given back, with
// the system's words for the failed call; empty when they were.
std::u16string settingsBackNotice(const TetheringRun& run, const std::u16string& systemText);

}  // namespace vanterel
