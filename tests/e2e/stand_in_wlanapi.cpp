// Takes the place of wlanapi.dll in the test prefix, where Wine lacks the
// hosted-network functions: reports the hosted network of the test's setup
// file, active with its adapter's GUID when the setup names one, idle
// otherwise. Checks its arguments as wlanapi documents.
#include <windows.h>

#include <set>

#include "windows/win32_wlan_hosted_network.h"
#include "tests/e2e/environment_block.h"
#include "tests/e2e/sharing_setup.h"

namespace {

using vanterel::WlanHostedNetworkStatus;

std::set<HANDLE>& openHandles() {
  static std::set<HANDLE> handles;
  return handles;
}

bool isOpen(HANDLE client) { return openHandles().count(client) > 0; }

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

__declspec(dllexport) void WINAPI WlanFreeMemory(void* memory) {
  HeapFree(GetProcessHeap(), 0, memory);
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

  auto* answer = static_cast<WlanHostedNetworkStatus*>(
      HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(WlanHostedNetworkStatus)));
  if (answer == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
  answer->hostedNetworkState = vanterel::kWlanHostedNetworkIdle;
  if (!setup->hosted.empty()) {
    const std::wstring guid(setup->hosted.begin(), setup->hosted.end());
    if (FAILED(IIDFromString(guid.c_str(), &answer->ipDeviceId))) {
      HeapFree(GetProcessHeap(), 0, answer);
      return ERROR_INVALID_DATA;
    }
    answer->hostedNetworkState = vanterel::kWlanHostedNetworkActive;
  }
  *status = answer;
  return ERROR_SUCCESS;
}

}  // extern "C"
