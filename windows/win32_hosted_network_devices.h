#pragma once

#include <optional>
#include <vector>

#include "hotspot/hotspot_look.h"

namespace vanterel {

// The devices connected to the hosted network and let in, as wlanapi lists
// them, each MAC address as twelve hexadecimal digits, with the IPv4
// address the hosted adapter's neighbour table has for it; nothing when
// wlanapi cannot be asked.
std::optional<std::vector<ConnectedDevice>> queryHostedNetworkDevices();

}  // namespace vanterel
