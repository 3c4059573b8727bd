#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vanterel::e2e {

// The wireless adapter of the machine the stand-in netsh simulates.
enum class WirelessAdapter { CanHost, CannotHost, None };

// What netsh keeps between runs, and the machine it runs on.
struct NetshState {
  WirelessAdapter adapter = WirelessAdapter::CanHost;
  bool radioOn = true;
  bool allowed = false;
  bool started = false;
  std::u16string ssid;
  std::u16string key;
  // The devices connected while started, each MAC address as twelve
  // hexadecimal digits.
  std::vector<std::string> peers;

  bool operator==(const NetshState& other) const {
    return adapter == other.adapter && radioOn == other.radioOn && allowed == other.allowed &&
           started == other.started && ssid == other.ssid && key == other.key &&
           peers == other.peers;
  }
};

// The hosted network's state as wlanapi reports it (WLAN_HOSTED_NETWORK_STATE):
// unavailable without an adapter that can host, with the mode not allowed
// or the radio off; active once started.
enum class HostedNetworkState { Unavailable, Idle, Active };
HostedNetworkState hostedNetworkState(const NetshState& state);

// One field a line, a name and an escaped value separated by a tab.
std::string formatNetshState(const NetshState& state);
// Nothing when a line is malformed; missing fields keep their defaults.
std::optional<NetshState> parseNetshState(const std::string& file);

struct NetshAnswer {
  std::uint32_t exitCode = 0;
  std::u16string output;
};

// How many bytes a text takes in the console's code page, where netsh
// measures an SSID.
using CodePageLength = std::size_t (*)(const std::u16string& text);

// How netsh answers its arguments (its own name left out) for the wlan
// commands the program uses, as documented: unknown commands and
// parameters are refused, values are checked, and start needs an adapter
// that can host and the mode set to allow. Changes `state` as netsh would.
NetshAnswer answerNetsh(const std::vector<std::u16string>& arguments, NetshState& state,
                        CodePageLength ssidLength);

}  // namespace vanterel::e2e
