#include "windows/win32_wlanapi.h"

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

}  // namespace vanterel
