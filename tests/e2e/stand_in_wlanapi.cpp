// Takes the place of wlanapi.dll in the test prefix, where Wine lacks the
// hosted-network functions. It reports the machine the stand-in netsh
// simulates (netsh_state_file.h): its one wireless adapter, or none; the
// adapter's radio; whether the hosted network's mode is allowed; and the
// hosted network's state, which Windows documents as unavailable without an
// adapter that can host, with the mode not allowed or the radio off. While
// started it is active with the adapter of the test's sharing setup, and
// idle when the setup names none (stopped outside the program). Checks its
// arguments as wlanapi documents.
#include <windows.h>
#include <wlanapi.h>

#include <cwchar>
#include <set>

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

std::set<HANDLE>& openHandles() {
  static std::set<HANDLE> handles;
  return handles;
}

bool isOpen(HANDLE client) { return openHandles().count(client) > 0; }

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
  openHandles().erase(client);
  HeapFree(GetProcessHeap(), 0, client);
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
  const auto machine = vanterel::e2e::readNetshState(vanterel::e2e::netshStatePath());
  if (!setup || !machine) return ERROR_FILE_NOT_FOUND;
  if (const auto code = setup->failureOf("WlanHostedNetworkQueryStatus")) return *code;

  auto* answer = allocate<WlanHostedNetworkStatus>();
  if (answer == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
  switch (vanterel::e2e::hostedNetworkState(*machine)) {
    case HostedNetworkState::Unavailable:
      answer->hostedNetworkState = vanterel::kWlanHostedNetworkUnavailable;
      break;
    case HostedNetworkState::Idle:
      answer->hostedNetworkState = vanterel::kWlanHostedNetworkIdle;
      break;
    case HostedNetworkState::Active:
      answer->hostedNetworkState = setup->hosted.empty() ? vanterel::kWlanHostedNetworkIdle
                                                         : vanterel::kWlanHostedNetworkActive;
      break;
  }
  if (answer->hostedNetworkState == vanterel::kWlanHostedNetworkActive) {
    const std::wstring guid(setup->hosted.begin(), setup->hosted.end());
    if (FAILED(IIDFromString(guid.c_str(), &answer->ipDeviceId))) {
      HeapFree(GetProcessHeap(), 0, answer);
      return ERROR_INVALID_DATA;
    }
  }
  *status = answer;
  return ERROR_SUCCESS;
}

}  // extern "C"
