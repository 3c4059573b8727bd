#pragma once

#include <string>

#include "hotspot/hosted_network_status.h"

namespace vanterel {

// Why the hosted network could not start, as far as the system tells.
enum class HostedNetworkSupport {
  NoWirelessInterface,  // no wireless adapter, or it is disabled
  NotAllowed,           // the hosted network's mode is not allowed
  RadioOff,             // every adapter's radio is off (airplane mode, a switch)
  Unsupported,          // no adapter's driver can host
  Supported,            // the driver can host, at least one adapter's can
  Unknown,              // the system says none of these
};

// What wlanapi's answers mean, in this order: no adapter, a mode that is
// not allowed, no radio on, and a hosted network that is unavailable
// although all of that is well (no adapter can host).
HostedNetworkSupport supportOf(const HostedNetworkStatus& status);

// What the user can do about a start that failed for this reason; empty
// when there is nothing useful to say.
std::u16string adviceFor(HostedNetworkSupport support);

}  // namespace vanterel
