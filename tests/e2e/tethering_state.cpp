#include "tests/e2e/tethering_state.h"

#include <vector>

#include "tests/e2e/field_escape.h"

namespace vanterel::e2e {

std::string formatTetheringState(const TetheringState& state) {
  return "ssid\t" + escapeField(state.ssid) + "\npassphrase\t" + escapeField(state.passphrase) +
         "\nband\t" + std::to_string(state.band) + "\non\t" + (state.on ? "yes" : "no") + '\n';
}

std::optional<TetheringState> parseTetheringState(const std::string& file) {
  TetheringState state;
  for (const std::string& line : splitLines(file)) {
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() != 2) return std::nullopt;
    const std::string& name = fields[0];
    const std::string& value = fields[1];
    if (name == "ssid" || name == "passphrase") {
      const auto text = unescapeField(value);
      if (!text) return std::nullopt;
      (name == "ssid" ? state.ssid : state.passphrase) = *text;
    } else if (name == "band" && value.size() == 1 && value[0] >= '0' && value[0] <= '3') {
      state.band = value[0] - '0';
    } else if (name == "on" && (value == "yes" || value == "no")) {
      state.on = value == "yes";
    } else {
      return std::nullopt;
    }
  }
  return state;
}

}  // namespace vanterel::e2e
