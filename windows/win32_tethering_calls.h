#pragma once

#include <wrl/client.h>

#include <memory>
#include <string>

#include "hotspot/tethering_calls.h"
#include "windows/win32_command_runner.h"
#include "windows/winrt_tethering_abi.h"

namespace vanterel {

// The Mobile hotspot's calls through the Windows Runtime, which is looked
// up at run time: Windows 7 has none, and every call then fails with
// REGDB_E_CLASSNOTREG. Made, used and destroyed on one thread, which it
// holds in the multithreaded apartment meanwhile.
class Win32TetheringCalls final : public TetheringCalls {
 public:
  Win32TetheringCalls();
  ~Win32TetheringCalls() override;
  Win32TetheringCalls(const Win32TetheringCalls&) = delete;
  Win32TetheringCalls& operator=(const Win32TetheringCalls&) = delete;

  TetheringCallEnd openManager(bool& connected) override;
  TetheringCallEnd readSettings(TetheringSettings& settings) override;
  TetheringCallEnd configure(const TetheringSettings& settings) override;
  TetheringCallEnd start(TetheringAnswer& answer) override;
  TetheringCallEnd stop(TetheringAnswer& answer) override;
  TetheringCallEnd look(TetheringLook& look) override;
  TetheringCallEnd clients(std::vector<ConnectedDevice>& devices) override;
  TetheringCallEnd noConnectionsTimeout(bool& enabled) override;
  TetheringCallEnd setNoConnectionsTimeout(bool enabled) override;

 private:
  struct Runtime;
  // The access point's configuration now, and its band where Windows has one.
  HRESULT currentConfiguration(
      Microsoft::WRL::ComPtr<winrt::INetworkOperatorTetheringAccessPointConfiguration>&
          configuration,
      Microsoft::WRL::ComPtr<winrt::INetworkOperatorTetheringAccessPointConfiguration2>& withBand);

  std::unique_ptr<Runtime> runtime_;
};

// Whether Windows has the Mobile hotspot's classes: asked on a worker
// thread, waited for with `wait`, at most kTetheringStepTimeout.
bool win32HasMobileHotspot(const HandleWait& wait);

}  // namespace vanterel
