#pragma once

#include <windows.h>
#include <netcon.h>
#include <wrl/client.h>

#include <vector>

#include "hotspot/sharing_calls.h"

namespace vanterel {

// The sharing calls as Windows makes them: wlanapi for the hosted network,
// IP Helper for the route, the sharing manager (HNetCfg.HNetShare) for the
// rest, and the program's own file for its record. Made, used and destroyed on one thread: it holds
// that thread's COM.
class Win32ConnectionSharing final : public ConnectionSharing {
 public:
  Win32ConnectionSharing();
  ~Win32ConnectionSharing() override;
  Win32ConnectionSharing(const Win32ConnectionSharing&) = delete;
  Win32ConnectionSharing& operator=(const Win32ConnectionSharing&) = delete;

  SharingCall hostedAdapter(std::u16string& guid) override;
  SharingCall internetAdapter(std::u16string& guid) override;
  SharingCall listConnections(std::vector<SharedConnection>& connections) override;
  SharingCall disableSharing(std::size_t connection) override;
  SharingCall enableSharing(std::size_t connection, SharingRole role) override;
  std::string readRecord() override;
  bool writeRecord(const std::string& text) override;
  void removeRecord() override;

 private:
  SharingCall openSharingManager();

  HRESULT com_;
  HMODULE wlanapi_ = nullptr;
  Microsoft::WRL::ComPtr<INetSharingManager> manager_;
  std::vector<Microsoft::WRL::ComPtr<INetSharingConfiguration>> configurations_;
};

}  // namespace vanterel
