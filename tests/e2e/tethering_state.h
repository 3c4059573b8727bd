#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vanterel::e2e {

// What the stand-in Mobile hotspot keeps, as Windows keeps it across the
// program's runs, in a file of the test's (VANTEREL_TETHERING_STATE) that a
// test may also change while the program runs. One field a line, a name and
// an escaped value separated by a tab.
struct TetheringState {
  std::u16string ssid = u"STAND-IN 1234";
  std::u16string passphrase = u"stand-in-passphrase";
  std::int32_t band = 0;  // TetheringWiFiBand
  bool on = false;
};

std::string formatTetheringState(const TetheringState& state);
// Nothing when a line is malformed; missing fields keep their defaults.
std::optional<TetheringState> parseTetheringState(const std::string& file);

}  // namespace vanterel::e2e
