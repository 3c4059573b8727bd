#pragma once

#include <string>

#include "hotspot/sharing_outcome.h"

namespace vanterel {

// What the user reads, titled "提示", when the hotspot is on but its devices
// cannot reach the Internet; empty when the connection is shared.
std::u16string sharingNotice(const SharingOutcome& outcome);

// What the user reads, titled "提示", after the stop's own box when the
// sharing found before the start could not be given back; empty when it was.
std::u16string restoreNotice(const SharingOutcome& outcome);

}  // namespace vanterel
