#pragma once

#include <windows.h>
#include <wlanapi.h>

#include <array>
#include <cstdint>
#include <vector>

#include "windows/win32_wlan_hosted_network.h"

namespace vanterel {

// The functions of wlanapi.dll the program calls. Looked up, not imported:
// server editions may lack the DLL, and MinGW's x86 import library lacks
// the hosted-network ones.
struct Wlanapi {
  WlanOpenHandleFunction openHandle = nullptr;
  WlanCloseHandleFunction closeHandle = nullptr;
  WlanFreeMemoryFunction freeMemory = nullptr;
  DWORD(WINAPI* enumInterfaces)(HANDLE, void*, WLAN_INTERFACE_INFO_LIST**) = nullptr;
  DWORD(WINAPI* queryInterface)
  (HANDLE, const GUID*, WLAN_INTF_OPCODE, void*, DWORD*, void**, WLAN_OPCODE_VALUE_TYPE*) = nullptr;
  WlanHostedNetworkQueryStatusFunction hostedNetworkQueryStatus = nullptr;
  WlanHostedNetworkQueryPropertyFunction hostedNetworkQueryProperty = nullptr;
  DWORD(WINAPI* registerNotification)
  (HANDLE, DWORD, BOOL, WLAN_NOTIFICATION_CALLBACK, void*, void*, DWORD*) = nullptr;
  // Why the DLL or a function is missing; 0 when all are there.
  DWORD error = 0;
};

// Loaded once, and never unloaded: its calls may be under way on any thread.
const Wlanapi& wlanapi();

// A client session of wlanapi, closed once.
class WlanClient {
 public:
  explicit WlanClient(const Wlanapi& api);
  WlanClient(const WlanClient&) = delete;
  WlanClient& operator=(const WlanClient&) = delete;
  ~WlanClient();

  HANDLE get() const { return handle_; }
  // 0 when the session is open.
  DWORD error() const { return error_; }
  const Wlanapi& api() const { return api_; }

 private:
  const Wlanapi& api_;
  HANDLE handle_ = nullptr;
  DWORD error_ = 0;
};

// Memory wlanapi handed out, freed once.
template <typename T>
class WlanMemory {
 public:
  explicit WlanMemory(const Wlanapi& api) : api_(api) {}
  WlanMemory(const WlanMemory&) = delete;
  WlanMemory& operator=(const WlanMemory&) = delete;
  ~WlanMemory() {
    if (memory_ != nullptr) api_.freeMemory(memory_);
  }

  T* get() const { return memory_; }
  T* operator->() const { return memory_; }
  T** put() { return &memory_; }
  void** putVoid() { return reinterpret_cast<void**>(&memory_); }

 private:
  const Wlanapi& api_;
  T* memory_ = nullptr;
};

// What WlanHostedNetworkQueryStatus says, copied out: the state, the
// adapter (while active) and the MAC addresses of the devices let in.
struct HostedNetworkReading {
  WlanHostedNetworkState state = kWlanHostedNetworkUnavailable;
  GUID adapter{};
  std::vector<std::array<std::uint8_t, 6>> peers;
};

// 0, with the reading, or the error of the session or of the call.
DWORD readHostedNetwork(const WlanClient& client, HostedNetworkReading& reading);

}  // namespace vanterel
