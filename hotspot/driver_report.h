#pragma once

#include <string>

#include "hotspot/hosted_network_support.h"

namespace vanterel {

// Reads the output of `netsh wlan show drivers`, in Chinese or English: what
// the program falls back on where wlanapi cannot be asked.
HostedNetworkSupport readShowDrivers(const std::u16string& output);

}  // namespace vanterel
