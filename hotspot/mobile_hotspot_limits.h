#pragma once

#include <string>

namespace vanterel {

// Why the Mobile hotspot cannot take this name or passphrase, as the
// message the user reads; empty when it can.
std::u16string mobileHotspotRefusal(const std::u16string& ssid, const std::u16string& passphrase);

}  // namespace vanterel
