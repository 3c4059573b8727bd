#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "hotspot/hosted_network_status.h"

namespace vanterel {

// How a start left the hotspot.
enum class HotspotStart {
  NotStarted,     // refused or failed; the window stays idle
  HostedNetwork,  // netsh's hosted network, sharing the Internet connection
  MobileHotspot,  // Windows' Mobile hotspot, which shares by itself
};

// Windows.Networking.NetworkOperators.TetheringOperationalState, as documented.
enum class TetheringState { Unknown = 0, On = 1, Off = 2, InTransition = 3 };

// What the Mobile hotspot says of itself.
struct TetheringLook {
  TetheringState state = TetheringState::Unknown;
  std::size_t clients = 0;
};

// One look at the hotspot the window started, made off the window's thread:
// what the system told of the way it started; nothing when it could not be
// asked.
struct HotspotLook {
  HotspotStart way = HotspotStart::NotStarted;
  std::optional<HostedNetworkStatus> hosted;
  std::optional<TetheringLook> tethering;
};

// A device connected to the hotspot, as Windows lists it: its MAC address,
// then its IPv4 address and its name where they can be had.
struct ConnectedDevice {
  std::u16string mac;
  std::u16string ipv4;
  std::u16string name;
};

}  // namespace vanterel
