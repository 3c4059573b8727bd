#include "tests/e2e/tethering_state.h"

#include "tests/e2e/field_escape.h"

namespace vanterel::e2e {
namespace {

const char* const kOperationalNames[] = {"off", "on", "in-transition"};

}  // namespace

std::string formatTetheringState(const TetheringState& state) {
  std::string file = "ssid\t" + escapeField(state.ssid) + "\npassphrase\t" +
                     escapeField(state.passphrase) + "\nband\t" + std::to_string(state.band) +
                     "\nstate\t" + kOperationalNames[static_cast<int>(state.state)] +
                     "\ntimeout\t" + (state.noConnectionsTimeout ? "yes" : "no") + '\n';
  for (const TetheringState::Client& client : state.clients) {
    file += "client\t" + escapeField(client.mac) + '\t' + escapeField(client.ipv4) + '\t' +
            escapeField(client.name) + '\n';
  }
  return file;
}

std::optional<TetheringState> parseTetheringState(const std::string& file) {
  TetheringState state;
  for (const std::string& line : splitLines(file)) {
    const std::vector<std::string> fields = splitFields(line);
    const std::string& name = fields[0];
    if (name == "client" && fields.size() == 4) {
      const auto mac = unescapeField(fields[1]);
      const auto ipv4 = unescapeField(fields[2]);
      const auto host = unescapeField(fields[3]);
      if (!mac || !ipv4 || !host) return std::nullopt;
      state.clients.push_back({*mac, *ipv4, *host});
      continue;
    }
    if (fields.size() != 2) return std::nullopt;
    const std::string& value = fields[1];
    if (name == "ssid" || name == "passphrase") {
      const auto text = unescapeField(value);
      if (!text) return std::nullopt;
      (name == "ssid" ? state.ssid : state.passphrase) = *text;
    } else if (name == "band" && value.size() == 1 && value[0] >= '0' && value[0] <= '3') {
      state.band = value[0] - '0';
    } else if (name == "state" && (value == "off" || value == "on" || value == "in-transition")) {
      state.state = value == "on"    ? TetheringState::Operational::On
                    : value == "off" ? TetheringState::Operational::Off
                                     : TetheringState::Operational::InTransition;
    } else if (name == "timeout" && (value == "yes" || value == "no")) {
      state.noConnectionsTimeout = value == "yes";
    } else {
      return std::nullopt;
    }
  }
  return state;
}

}  // namespace vanterel::e2e
