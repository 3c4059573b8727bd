#pragma once

#include <string>

#include "hotspot/sharing_calls.h"

namespace vanterel {

// What the user reads, titled "提示", when the hotspot is on but its devices
// cannot reach the Internet; empty when the connection is shared.
std::u16string sharingNotice(const SharingOutcome& outcome);

}  // namespace vanterel
