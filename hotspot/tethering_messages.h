#pragma once

#include <string>

#include "hotspot/tethering_run.h"

namespace vanterel {

// The message that tells the user which step of the Mobile hotspot failed,
// what that means and what to do; empty when the request succeeded.
std::u16string describeTetheringFailure(const TetheringRun& run);

}  // namespace vanterel
