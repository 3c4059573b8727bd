#pragma once

#include <string>

#include "hotspot/tethering_run.h"
#include "windows/win32_command_runner.h"

namespace vanterel {

// Windows' Mobile hotspot through the Windows Runtime, which is looked up
// at run time: Windows 7 has none. Each call runs on a worker thread in the
// multithreaded apartment while the window waits with `wait`; every
// asynchronous step is bounded at 30 seconds.
bool win32HasMobileHotspot(const HandleWait& wait);
TetheringRun win32StartMobileHotspot(const std::u16string& ssid, const std::u16string& passphrase,
                                     const HandleWait& wait);
bool win32MobileHotspotIsOn(const HandleWait& wait);
TetheringRun win32StopMobileHotspot(const HandleWait& wait);

}  // namespace vanterel
