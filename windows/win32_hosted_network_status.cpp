#include "windows/win32_hosted_network_status.h"

#include "windows/win32_wlanapi.h"

namespace vanterel {
namespace {

bool isOn(DOT11_RADIO_STATE state) { return state == dot11_radio_state_on; }

// Whether some radio of the adapter is on, switched on in software and not
// off by a hardware switch; nothing when that cannot be asked.
std::optional<bool> radioOn(const Wlanapi& api, HANDLE client, const GUID& adapter) {
  WlanMemory<WLAN_RADIO_STATE> radio(api);
  DWORD size = 0;
  if (api.queryInterface(client, &adapter, wlan_intf_opcode_radio_state, nullptr, &size,
                         radio.putVoid(), nullptr) != ERROR_SUCCESS ||
      size < sizeof(DWORD)) {
    return std::nullopt;
  }
  const DWORD phys = radio->dwNumberOfPhys;
  for (DWORD i = 0; i < phys && i < 64; ++i) {
    const WLAN_PHY_RADIO_STATE& phy = radio->PhyRadioState[i];
    if (isOn(phy.dot11SoftwareRadioState) && isOn(phy.dot11HardwareRadioState)) return true;
  }
  return false;
}

}  // namespace

std::optional<HostedNetworkStatus> queryHostedNetworkStatus() {
  const Wlanapi& api = wlanapi();
  const WlanClient client(api);
  if (client.error() != ERROR_SUCCESS) return std::nullopt;
  HostedNetworkStatus status;

  WlanMemory<WLAN_INTERFACE_INFO_LIST> adapters(api);
  if (api.enumInterfaces(client.get(), nullptr, adapters.put()) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  status.adapters = adapters->dwNumberOfItems;
  for (DWORD i = 0; i < adapters->dwNumberOfItems; ++i) {
    const auto on = radioOn(api, client.get(), adapters->InterfaceInfo[i].InterfaceGuid);
    if (!on) return std::nullopt;
    status.radioOn = status.radioOn || *on;
  }

  WlanMemory<BOOL> enabled(api);
  DWORD size = 0;
  int valueType = 0;
  if (api.hostedNetworkQueryProperty(client.get(), kWlanHostedNetworkOpcodeEnable, &size,
                                     enabled.putVoid(), &valueType, nullptr) != ERROR_SUCCESS ||
      size < sizeof(BOOL)) {
    return std::nullopt;
  }
  status.allowed = *enabled.get() != FALSE;

  HostedNetworkReading hosted;
  if (readHostedNetwork(client, hosted) != ERROR_SUCCESS) return std::nullopt;
  switch (hosted.state) {
    case kWlanHostedNetworkActive:
      status.state = HostedNetworkStatus::State::Active;
      status.peers = hosted.peers;
      break;
    case kWlanHostedNetworkIdle:
      status.state = HostedNetworkStatus::State::Idle;
      break;
    case kWlanHostedNetworkUnavailable:
      status.state = HostedNetworkStatus::State::Unavailable;
      break;
  }
  return status;
}

}  // namespace vanterel
