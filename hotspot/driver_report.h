#pragma once

#include <string>

namespace vanterel {

// What `netsh wlan show drivers` says about hosting a network.
enum class HostedNetworkSupport {
  NoWirelessInterface,  // no wireless adapter, or it is disabled
  Supported,            // the driver can host, at least one adapter's can
  Unsupported,          // no adapter's driver can host
  Unknown,              // the text says none of these
};

// Reads the output of `netsh wlan show drivers`, in Chinese or English.
HostedNetworkSupport readShowDrivers(const std::u16string& output);

// What the user can do about a start that failed for this reason; empty
// when there is nothing useful to say.
std::u16string adviceFor(HostedNetworkSupport support);

}  // namespace vanterel
