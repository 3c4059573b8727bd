#pragma once

#include <windows.h>
#include <netcon.h>
#include <wrl/client.h>

#include <vector>

#include "hotspot/sharing_calls.h"

namespace vanterel {

// The sharing calls as Windows makes them: wlanapi for the hosted network,
// IP Helper for the route, the sharing manager (HNetCfg.HNetShare) for the
// rest. Made, used and destroyed on one thread: it holds
// that thread's COM.
class Win32SharingCalls final : public SharingCalls {
 public:
  Win32SharingCalls();
  ~Win32SharingCalls() override;
  Win32SharingCalls(const Win32SharingCalls&) = delete;
  Win32SharingCalls& operator=(const Win32SharingCalls&) = delete;

  std::optional<SharingFailure> hostedAdapter(std::u16string& guid) override;
  std::optional<SharingFailure> internetAdapter(std::u16string& guid) override;
  std::optional<SharingFailure> listConnections(
      std::vector<SharedConnection>& connections) override;
  std::optional<SharingFailure> disableSharing(std::size_t connection) override;
  std::optional<SharingFailure> enableSharing(std::size_t connection, SharingRole role) override;

 private:
  std::optional<SharingFailure> openSharingManager();

  HRESULT com_;
  HMODULE iphlpapi_ = nullptr;
  Microsoft::WRL::ComPtr<INetSharingManager> manager_;
  std::vector<Microsoft::WRL::ComPtr<INetSharingConfiguration>> configurations_;
};

}  // namespace vanterel
