// Takes the place of wlanapi.dll in the test prefix, where Wine lacks the
// hosted-network functions. It reports the machine the stand-in netsh
// simulates (netsh_state_file.h): its one wireless adapter, or none; the
// adapter's radio; whether the hosted network's mode is allowed; and the
// hosted network's state, which Windows documents as unavailable without an
// adapter that can host, with the mode not allowed or the radio off. While
// started it is active with the adapter of the test's sharing setup, and
// idle when the setup names none (stopped outside the program), with the
// devices the machine has connected. A client registered for hosted-network
// notifications hears of each change of the network's state and of each
// device come or gone, from a thread of the stand-in's, as wlanapi calls
// back. Checks its arguments as wlanapi documents.
#include <windows.h>
#include <wlanapi.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "windows/win32_wlan_hosted_network.h"
#include "tests/e2e/environment_block.h"
#include "tests/e2e/netsh_state_file.h"
#include "tests/e2e/sharing_setup.h"

namespace {

using vanterel::WlanHostedNetworkStatus;
using vanterel::e2e::HostedNetworkState;
using vanterel::e2e::WirelessAdapter;

// The simulated adapter's interface GUID.
constexpr GUID kAdapter = {
    0x5d1b7e40, 0x2c61, 0x4b8e, {0x9f, 0x3a, 0x61, 0x0c, 0x7d, 0x24, 0xe8, 0x15}};

// WLAN_HOSTED_NETWORK_NOTIFICATION_CODE and WLAN_HOSTED_NETWORK_REASON, as
// documented, and the data each notification carries.
constexpr DWORD kStateChange = 0x00001000;
constexpr DWORD kPeerStateChange = 0x00001001;
constexpr int kReasonSuccess = 0;
constexpr int kReasonPeerArrived = 20;
constexpr int kReasonPeerDeparted = 21;

struct StateChange {
  int oldState;
  int newState;
  int reason;
};

struct PeerStateChange {
  vanterel::WlanHostedNetworkPeerState oldState;
  vanterel::WlanHostedNetworkPeerState newState;
  int reason;
};

// What the network shows a client: its state, and the devices let in while
// it is active.
struct Reported {
  int state = vanterel::kWlanHostedNetworkUnavailable;
  std::vector<std::string> peers;
  std::string adapter;
};

std::optional<Reported> reported() {
  const auto setup = vanterel::e2e::readSharingSetup(
      vanterel::e2e::environmentVariable(L"VANTEREL_SHARING_SETUP"));
  const auto machine = vanterel::e2e::readNetshState(vanterel::e2e::netshStatePath());
  if (!setup || !machine) return std::nullopt;
  Reported now;
  switch (vanterel::e2e::hostedNetworkState(*machine)) {
    case HostedNetworkState::Unavailable:
      break;
    case HostedNetworkState::Idle:
      now.state = vanterel::kWlanHostedNetworkIdle;
      break;
    case HostedNetworkState::Active:
      now.state = setup->hosted.empty() ? vanterel::kWlanHostedNetworkIdle
                                        : vanterel::kWlanHostedNetworkActive;
      break;
  }
  if (now.state == vanterel::kWlanHostedNetworkActive) {
    now.peers = machine->peers;
    now.adapter = setup->hosted;
  }
  return now;
}

vanterel::WlanHostedNetworkPeerState peerOf(const std::string& mac, int authState) {
  vanterel::WlanHostedNetworkPeerState peer{};
  for (std::size_t i = 0; i < 6; ++i) {
    peer.peerMacAddress[i] = static_cast<UCHAR>(std::stoul(mac.substr(2 * i, 2), nullptr, 16));
  }
  peer.peerAuthState = authState;
  return peer;
}

// One client's registration: a thread that watches the machine and calls
// back on each change, until the client ends it.
struct Registration {
  WLAN_NOTIFICATION_CALLBACK callback;
  void* context;
  HANDLE stop;
  HANDLE thread;
};

void tell(const Registration& registration, DWORD code, void* data, DWORD size) {
  WLAN_NOTIFICATION_DATA notification{};
  notification.NotificationSource = WLAN_NOTIFICATION_SOURCE_HNWK;
  notification.NotificationCode = code;
  notification.dwDataSize = size;
  notification.pData = data;
  registration.callback(&notification, registration.context);
}

DWORD WINAPI watch(void* parameter) {
  const auto& registration = *static_cast<const Registration*>(parameter);
  Reported before = reported().value_or(Reported{});
  while (WaitForSingleObject(registration.stop, 200) == WAIT_TIMEOUT) {
    const auto now = reported();
    if (!now) continue;
    if (now->state != before.state) {
      StateChange change{before.state, now->state, kReasonSuccess};
      tell(registration, kStateChange, &change, sizeof change);
    }
    // A device in one list and not the other came, or went.
    const auto tellChanged = [&](const std::vector<std::string>& from,
                                 const std::vector<std::string>& to, bool arrived) {
      for (const std::string& peer : to) {
        if (std::find(from.begin(), from.end(), peer) != from.end()) continue;
        const auto in = peerOf(peer, vanterel::kWlanHostedNetworkPeerAuthenticated);
        const auto out = peerOf(peer, 0);
        PeerStateChange change{arrived ? out : in, arrived ? in : out,
                               arrived ? kReasonPeerArrived : kReasonPeerDeparted};
        tell(registration, kPeerStateChange, &change, sizeof change);
      }
    };
    tellChanged(before.peers, now->peers, true);
    tellChanged(now->peers, before.peers, false);
    before = *now;
  }
  return 0;
}

std::set<HANDLE>& openHandles() {
  static std::set<HANDLE> handles;
  return handles;
}

std::map<HANDLE, Registration>& registrations() {
  static std::map<HANDLE, Registration> registered;
  return registered;
}

bool isOpen(HANDLE client) { return openHandles().count(client) > 0; }

// Waits for the client's watcher to end: never called from its callback.
void unregister(HANDLE client) {
  const auto found = registrations().find(client);
  if (found == registrations().end()) return;
  SetEvent(found->second.stop);
  WaitForSingleObject(found->second.thread, INFINITE);
  CloseHandle(found->second.thread);
  CloseHandle(found->second.stop);
  registrations().erase(found);
}

template <typename T>
T* allocate(std::size_t size = sizeof(T)) {
  return static_cast<T*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
}

}  // namespace

extern "C" {

__declspec(dllexport) DWORD WINAPI
    WlanOpenHandle(DWORD clientVersion, void* reserved, DWORD* negotiatedVersion, HANDLE* client) {
  if (reserved != nullptr || negotiatedVersion == nullptr || client == nullptr) {
    return ERROR_INVALID_PARAMETER;
  }
  if (clientVersion != 1 && clientVersion != 2) return ERROR_NOT_SUPPORTED;
  *negotiatedVersion = clientVersion;
  *client = HeapAlloc(GetProcessHeap(), 0, 1);
  if (*client == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
  openHandles().insert(*client);
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI WlanCloseHandle(HANDLE client, void* reserved) {
  if (client == nullptr || reserved != nullptr) return ERROR_INVALID_PARAMETER;
  if (!isOpen(client)) return ERROR_INVALID_HANDLE;
  unregister(client);
  openHandles().erase(client);
  HeapFree(GetProcessHeap(), 0, client);
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI
    WlanRegisterNotification(HANDLE client, DWORD sources, BOOL ignoreDuplicate,
                             WLAN_NOTIFICATION_CALLBACK callback, PVOID context, PVOID reserved,
                             PDWORD previousSources) {
  if (client == nullptr || reserved != nullptr) return ERROR_INVALID_PARAMETER;
  if (!isOpen(client)) return ERROR_INVALID_HANDLE;
  (void)ignoreDuplicate;
  if (previousSources != nullptr) {
    *previousSources = registrations().count(client) > 0 ? WLAN_NOTIFICATION_SOURCE_HNWK : 0;
  }
  unregister(client);
  if (sources == WLAN_NOTIFICATION_SOURCE_NONE) return ERROR_SUCCESS;
  if (callback == nullptr) return ERROR_INVALID_PARAMETER;
  // Only the hosted network's notifications are simulated.
  if ((sources & WLAN_NOTIFICATION_SOURCE_HNWK) == 0) return ERROR_SUCCESS;
  Registration& registration = registrations()[client];
  registration =
      Registration{callback, context, CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
  registration.thread = CreateThread(nullptr, 0, &watch, &registration, 0, nullptr);
  if (registration.thread == nullptr) {
    CloseHandle(registration.stop);
    registrations().erase(client);
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  return ERROR_SUCCESS;
}

__declspec(dllexport) VOID WINAPI WlanFreeMemory(PVOID memory) {
  HeapFree(GetProcessHeap(), 0, memory);
}

__declspec(dllexport) DWORD WINAPI
    WlanEnumInterfaces(HANDLE client, PVOID reserved, PWLAN_INTERFACE_INFO_LIST* list) {
  if (client == nullptr || reserved != nullptr || list == nullptr) return ERROR_INVALID_PARAMETER;
  if (!isOpen(client)) return ERROR_INVALID_HANDLE;
  const auto machine = vanterel::e2e::readNetshState(vanterel::e2e::netshStatePath());
  if (!machine) return ERROR_FILE_NOT_FOUND;
  const DWORD count = machine->adapter == WirelessAdapter::None ? 0 : 1;
  auto* found = allocate<WLAN_INTERFACE_INFO_LIST>(sizeof(WLAN_INTERFACE_INFO_LIST) +
                                                   count * sizeof(WLAN_INTERFACE_INFO));
  if (found == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
  found->dwNumberOfItems = count;
  if (count == 1) {
    found->InterfaceInfo[0].InterfaceGuid = kAdapter;
    wcscpy(found->InterfaceInfo[0].strInterfaceDescription, L"Vanterel Test Wireless Adapter");
    found->InterfaceInfo[0].isState = wlan_interface_state_disconnected;
  }
  *list = found;
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI
    WlanQueryInterface(HANDLE client, const GUID* adapter, WLAN_INTF_OPCODE opcode, PVOID reserved,
                       PDWORD size, PVOID* data, PWLAN_OPCODE_VALUE_TYPE valueType) {
  if (client == nullptr || adapter == nullptr || reserved != nullptr || size == nullptr ||
      data == nullptr) {
    return ERROR_INVALID_PARAMETER;
  }
  if (!isOpen(client)) return ERROR_INVALID_HANDLE;
  const auto machine = vanterel::e2e::readNetshState(vanterel::e2e::netshStatePath());
  if (!machine) return ERROR_FILE_NOT_FOUND;
  if (machine->adapter == WirelessAdapter::None || *adapter != kAdapter) return ERROR_NOT_FOUND;
  // Only what the program asks.
  if (opcode != wlan_intf_opcode_radio_state) return ERROR_NOT_SUPPORTED;
  auto* radio = allocate<WLAN_RADIO_STATE>();
  if (radio == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
  radio->dwNumberOfPhys = 1;
  radio->PhyRadioState[0].dot11SoftwareRadioState =
      machine->radioOn ? dot11_radio_state_on : dot11_radio_state_off;
  radio->PhyRadioState[0].dot11HardwareRadioState = dot11_radio_state_on;
  *size = sizeof(WLAN_RADIO_STATE);
  *data = radio;
  if (valueType != nullptr) *valueType = wlan_opcode_value_type_query_only;
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI
    WlanHostedNetworkQueryProperty(HANDLE client, int opcode, DWORD* size, void** data,
                                   int* valueType, void* reserved) {
  if (client == nullptr || size == nullptr || data == nullptr || valueType == nullptr ||
      reserved != nullptr) {
    return ERROR_INVALID_PARAMETER;
  }
  if (!isOpen(client)) return ERROR_INVALID_HANDLE;
  const auto machine = vanterel::e2e::readNetshState(vanterel::e2e::netshStatePath());
  if (!machine) return ERROR_FILE_NOT_FOUND;
  if (opcode != vanterel::kWlanHostedNetworkOpcodeEnable) return ERROR_NOT_SUPPORTED;
  auto* enabled = allocate<BOOL>();
  if (enabled == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
  *enabled = machine->allowed ? TRUE : FALSE;
  *size = sizeof(BOOL);
  *data = enabled;
  *valueType = wlan_opcode_value_type_set_by_user;
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI
    WlanHostedNetworkQueryStatus(HANDLE client, WlanHostedNetworkStatus** status, void* reserved) {
  if (client == nullptr || status == nullptr || reserved != nullptr) {
    return ERROR_INVALID_PARAMETER;
  }
  if (!isOpen(client)) return ERROR_INVALID_HANDLE;
  const auto setup = vanterel::e2e::readSharingSetup(
      vanterel::e2e::environmentVariable(L"VANTEREL_SHARING_SETUP"));
  if (!setup) return ERROR_FILE_NOT_FOUND;
  if (const auto code = setup->failureOf("WlanHostedNetworkQueryStatus")) return *code;
  const auto now = reported();
  if (!now) return ERROR_FILE_NOT_FOUND;

  // The structure ends in as many peers as are connected.
  const std::size_t peers = now->peers.size();
  auto* answer = allocate<WlanHostedNetworkStatus>(
      sizeof(WlanHostedNetworkStatus) +
      (peers > 0 ? peers - 1 : 0) * sizeof(vanterel::WlanHostedNetworkPeerState));
  if (answer == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
  answer->hostedNetworkState = static_cast<vanterel::WlanHostedNetworkState>(now->state);
  if (now->state == vanterel::kWlanHostedNetworkActive) {
    const std::wstring guid(now->adapter.begin(), now->adapter.end());
    if (FAILED(IIDFromString(guid.c_str(), &answer->ipDeviceId))) {
      HeapFree(GetProcessHeap(), 0, answer);
      return ERROR_INVALID_DATA;
    }
  }
  answer->numberOfPeers = static_cast<DWORD>(peers);
  for (std::size_t i = 0; i < peers; ++i) {
    answer->peerList[i] = peerOf(now->peers[i], vanterel::kWlanHostedNetworkPeerAuthenticated);
  }
  *status = answer;
  return ERROR_SUCCESS;
}

}  // extern "C"
