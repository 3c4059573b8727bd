#include "hotspot/program_record.h"

#include <iterator>
#include <utility>
#include <vector>

#include "hotspot/message_text.h"

namespace vanterel {
namespace {

constexpr const char* kFirstLine = "Vanterel record 2";
// The format before the Mobile hotspot's settings were kept too.
constexpr const char* kSharingOnlyFirstLine = "Vanterel sharing record 1";
constexpr const char* kLastLine = "end";

constexpr const char* kSharingKeys[] = {"hosted", "public", "private"};
constexpr const char* kTetheringKeys[] = {"tethering-ssid",   "tethering-passphrase",
                                          "tethering-band",   "given-ssid",
                                          "given-passphrase", "timeout-turned-off"};

// The record's "name=value" lines; a map would cost the program more than
// the rest of the record.
using Fields = std::vector<std::pair<std::string, std::string>>;

const std::string* valueOf(const Fields& fields, const std::string& name) {
  for (const auto& field : fields) {
    if (field.first == name) return &field.second;
  }
  return nullptr;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return (c >= 'a' ? c - 'a' : c - 'A') + 10;
}

// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, as the system writes GUIDs.
bool isGuid(const std::string& text) {
  constexpr std::size_t kLength = 38;
  if (text.size() != kLength || text.front() != '{' || text.back() != '}') return false;
  for (std::size_t i = 1; i + 1 < kLength; ++i) {
    const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    if (dash ? text[i] != '-' : !isHexDigit(text[i])) return false;
  }
  return true;
}

std::string ascii(const std::u16string& text) { return std::string(text.begin(), text.end()); }

// Any text as ASCII: four hexadecimal digits for each UTF-16 unit.
std::string hexText(const std::u16string& text) {
  const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (char16_t unit : text) {
    for (int shift = 12; shift >= 0; shift -= 4) hex += digits[(unit >> shift) & 0xF];
  }
  return hex;
}

std::optional<std::u16string> fromHexText(const std::string& hex) {
  if (hex.size() % 4 != 0) return std::nullopt;
  std::u16string text;
  for (std::size_t i = 0; i < hex.size(); i += 4) {
    char16_t unit = 0;
    for (std::size_t j = i; j < i + 4; ++j) {
      if (!isHexDigit(hex[j])) return std::nullopt;
      unit = static_cast<char16_t>(unit * 16 + hexValue(hex[j]));
    }
    text += unit;
  }
  return text;
}

// Streams would cost the program more than all the rest of it.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else if (c != '\r') {
      lines.back() += c;
    }
  }
  return lines;
}

// The "name=value" lines between the first and the last, each name once.
std::optional<Fields> fieldsOf(const std::vector<std::string>& lines) {
  Fields fields;
  for (std::size_t i = 1; i + 2 < lines.size(); ++i) {
    const auto equals = lines[i].find('=');
    if (equals == std::string::npos) return std::nullopt;
    std::string name = lines[i].substr(0, equals);
    if (valueOf(fields, name) != nullptr) return std::nullopt;
    fields.emplace_back(std::move(name), lines[i].substr(equals + 1));
  }
  return fields;
}

// Whether the fields hold all of the keys or none; false when some only.
template <std::size_t N>
std::optional<bool> holdsAll(const Fields& fields, const char* const (&keys)[N]) {
  std::size_t held = 0;
  for (const char* key : keys) held += valueOf(fields, key) != nullptr ? 1 : 0;
  if (held != 0 && held != N) return std::nullopt;
  return held == N;
}

std::optional<SharingRecord> sharingOf(const Fields& fields) {
  const std::string& hosted = *valueOf(fields, "hosted");
  const std::string& shared = *valueOf(fields, "public");
  const std::string& usedBy = *valueOf(fields, "private");
  if (!isGuid(hosted) || (!shared.empty() && !isGuid(shared)) ||
      (!usedBy.empty() && !isGuid(usedBy))) {
    return std::nullopt;
  }
  return SharingRecord{{hosted.begin(), hosted.end()},
                       {shared.begin(), shared.end()},
                       {usedBy.begin(), usedBy.end()}};
}

std::optional<TetheringRecord> tetheringOf(const Fields& fields) {
  const auto ssid = fromHexText(*valueOf(fields, "tethering-ssid"));
  const auto passphrase = fromHexText(*valueOf(fields, "tethering-passphrase"));
  const auto givenSsid = fromHexText(*valueOf(fields, "given-ssid"));
  const auto givenPassphrase = fromHexText(*valueOf(fields, "given-passphrase"));
  const std::string& band = *valueOf(fields, "tethering-band");
  const std::string& timeout = *valueOf(fields, "timeout-turned-off");
  if (!ssid || !passphrase || !givenSsid || !givenPassphrase || band.size() > 9 ||
      (timeout != "yes" && timeout != "no")) {
    return std::nullopt;
  }
  TetheringRecord record{
      {*ssid, *passphrase, std::nullopt}, *givenSsid, *givenPassphrase, timeout == "yes"};
  if (!band.empty()) {
    std::int32_t value = 0;
    for (char digit : band) {
      if (digit < '0' || digit > '9') return std::nullopt;
      value = value * 10 + (digit - '0');
    }
    record.found.band = value;
  }
  return record;
}

}  // namespace

std::string formatProgramRecord(const ProgramRecord& record) {
  std::string text = std::string(kFirstLine) + "\r\n";
  const auto line = [&text](const char* key, const std::string& value) {
    text += std::string(key) + "=" + value + "\r\n";
  };
  if (record.sharing) {
    line("hosted", ascii(record.sharing->hosted));
    line("public", ascii(record.sharing->sharedPublic));
    line("private", ascii(record.sharing->sharedPrivate));
  }
  if (record.tethering) {
    const TetheringRecord& tethering = *record.tethering;
    line("tethering-ssid", hexText(tethering.found.ssid));
    line("tethering-passphrase", hexText(tethering.found.passphrase));
    line("tethering-band", tethering.found.band ? std::to_string(*tethering.found.band) : "");
    line("given-ssid", hexText(tethering.givenSsid));
    line("given-passphrase", hexText(tethering.givenPassphrase));
    line("timeout-turned-off", tethering.timeoutTurnedOff ? "yes" : "no");
  }
  return text + kLastLine + "\r\n";
}

std::optional<ProgramRecord> parseProgramRecord(const std::string& text) {
  const std::vector<std::string> lines = linesOf(text);
  // The last line break ends the record: nothing may follow it.
  if (lines.size() < 3 || lines[lines.size() - 2] != kLastLine || !lines.back().empty()) {
    return std::nullopt;
  }
  const bool sharingOnly = lines[0] == kSharingOnlyFirstLine;
  if (lines[0] != kFirstLine && !sharingOnly) return std::nullopt;
  const auto fields = fieldsOf(lines);
  if (!fields) return std::nullopt;
  const auto hasSharing = holdsAll(*fields, kSharingKeys);
  const auto hasTethering = holdsAll(*fields, kTetheringKeys);
  const std::size_t known = (hasSharing.value_or(false) ? std::size(kSharingKeys) : 0) +
                            (hasTethering.value_or(false) ? std::size(kTetheringKeys) : 0);
  if (!hasSharing || !hasTethering || known != fields->size() ||
      (sharingOnly && (!*hasSharing || *hasTethering))) {
    return std::nullopt;
  }
  ProgramRecord record;
  if (*hasSharing && !(record.sharing = sharingOf(*fields))) return std::nullopt;
  if (*hasTethering && !(record.tethering = tetheringOf(*fields))) return std::nullopt;
  return record;
}

bool keepProgramRecord(RecordFile& file, const ProgramRecord& record) {
  if (!record.sharing && !record.tethering) {
    file.remove();
    return true;
  }
  return file.write(formatProgramRecord(record));
}

}  // namespace vanterel
