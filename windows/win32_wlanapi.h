#pragma once

#include <windows.h>
#include <wlanapi.h>

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

}  // namespace vanterel
