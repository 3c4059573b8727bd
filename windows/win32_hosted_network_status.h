#pragma once

#include <optional>

#include "hotspot/hosted_network_status.h"

namespace vanterel {

// Asks wlanapi about the hosted network and the wireless adapters; nothing
// when the DLL, a function or any of the calls fails.
std::optional<HostedNetworkStatus> queryHostedNetworkStatus();

}  // namespace vanterel
