#include "windows/win32_wlanapi.h"

#include <algorithm>
#include <iterator>

#include "windows/win32_library.h"

namespace vanterel {

const Wlanapi& wlanapi() {
  static const Wlanapi functions = [] {
    Wlanapi found;
    const HMODULE module = loadSystemLibrary(L"wlanapi.dll");
    if (module == nullptr) {
      found.error = GetLastError();
      return found;
    }
    found.openHandle = lookUp<WlanOpenHandleFunction>(module, "WlanOpenHandle");
    found.closeHandle = lookUp<WlanCloseHandleFunction>(module, "WlanCloseHandle");
    found.freeMemory = lookUp<WlanFreeMemoryFunction>(module, "WlanFreeMemory");
    found.enumInterfaces = lookUp<decltype(found.enumInterfaces)>(module, "WlanEnumInterfaces");
    found.queryInterface = lookUp<decltype(found.queryInterface)>(module, "WlanQueryInterface");
    found.hostedNetworkQueryStatus =
        lookUp<WlanHostedNetworkQueryStatusFunction>(module, "WlanHostedNetworkQueryStatus");
    found.hostedNetworkQueryProperty =
        lookUp<WlanHostedNetworkQueryPropertyFunction>(module, "WlanHostedNetworkQueryProperty");
    found.registerNotification =
        lookUp<decltype(found.registerNotification)>(module, "WlanRegisterNotification");
    if (!found.openHandle || !found.closeHandle || !found.freeMemory || !found.enumInterfaces ||
        !found.queryInterface || !found.hostedNetworkQueryStatus ||
        !found.hostedNetworkQueryProperty || !found.registerNotification) {
      found.error = ERROR_PROC_NOT_FOUND;
    }
    return found;
  }();
  return functions;
}

WlanClient::WlanClient(const Wlanapi& api) : api_(api) {
  if (api.error != 0) {
    error_ = api.error;
    return;
  }
  DWORD negotiated = 0;
  error_ = api.openHandle(kWlanClientVersion, nullptr, &negotiated, &handle_);
  if (error_ != ERROR_SUCCESS) handle_ = nullptr;
}

WlanClient::~WlanClient() {
  if (handle_ != nullptr) api_.closeHandle(handle_, nullptr);
}

DWORD readHostedNetwork(const WlanClient& client, HostedNetworkReading& reading) {
  if (client.error() != ERROR_SUCCESS) return client.error();
  const Wlanapi& api = client.api();
  WlanMemory<WlanHostedNetworkStatus> status(api);
  const DWORD error = api.hostedNetworkQueryStatus(client.get(), status.put(), nullptr);
  if (error != ERROR_SUCCESS) return error;
  reading.state = status->hostedNetworkState;
  reading.peers.clear();
  // The adapter and the devices mean something only while the network is up.
  if (reading.state != kWlanHostedNetworkActive) return ERROR_SUCCESS;
  reading.adapter = status->ipDeviceId;
  for (DWORD i = 0; i < status->numberOfPeers; ++i) {
    const WlanHostedNetworkPeerState& peer = status->peerList[i];
    if (peer.peerAuthState != kWlanHostedNetworkPeerAuthenticated) continue;
    std::array<std::uint8_t, 6> address{};
    std::copy(std::begin(peer.peerMacAddress), std::end(peer.peerMacAddress), address.begin());
    reading.peers.push_back(address);
  }
  return ERROR_SUCCESS;
}

}  // namespace vanterel
