#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vanterel::e2e {

// What the stand-in Mobile hotspot keeps, as Windows keeps it across the
// program's runs, in a file of the test's (VANTEREL_TETHERING_STATE) that a
// test may also change while the program runs. One field a line, a name and
// escaped values separated by tabs; a client a line of its own.
struct TetheringState {
  // TetheringOperationalState's names.
  enum class Operational { Off, On, InTransition };
  struct Client {
    std::u16string mac;
    std::u16string ipv4;
    std::u16string name;

    bool operator==(const Client& other) const {
      return mac == other.mac && ipv4 == other.ipv4 && name == other.name;
    }
  };

  std::u16string ssid = u"STAND-IN 1234";
  std::u16string passphrase = u"stand-in-passphrase";
  std::int32_t band = 0;  // TetheringWiFiBand
  Operational state = Operational::Off;
  std::vector<Client> clients;
  // Whether it turns itself off a while after the last client left.
  bool noConnectionsTimeout = true;
};

std::string formatTetheringState(const TetheringState& state);
// Nothing when a line is malformed; missing fields keep their defaults.
std::optional<TetheringState> parseTetheringState(const std::string& file);

}  // namespace vanterel::e2e
