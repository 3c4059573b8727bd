#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vanterel {

// What wlanapi tells of the hosted network and the wireless adapters, in
// numbers rather than in the display language's words.
struct HostedNetworkStatus {
  // WLAN_HOSTED_NETWORK_STATE, from WlanHostedNetworkQueryStatus.
  enum class State { Unavailable, Idle, Active };

  State state = State::Unavailable;
  // wlan_hosted_network_opcode_enable: whether the mode is allowed.
  bool allowed = false;
  // The wireless adapters WlanEnumInterfaces lists.
  std::size_t adapters = 0;
  // Whether some adapter has a radio on, in software and in hardware.
  bool radioOn = false;
  // The MAC addresses of the devices connected and let in, while active.
  std::vector<std::array<std::uint8_t, 6>> peers;
};

}  // namespace vanterel
