#include "hotspot/sharing_record.h"

#include <vector>

namespace vanterel {
namespace {

constexpr const char* kFirstLine = "Vanterel sharing record 1";
constexpr const char* kLastLine = "end";

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
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

// "name=value" where the value is a GUID, or empty when `optional`.
bool readField(const std::string& line, const std::string& name, bool optional,
               std::u16string& value) {
  if (line.compare(0, name.size() + 1, name + "=") != 0) return false;
  const std::string text = line.substr(name.size() + 1);
  if (text.empty() ? !optional : !isGuid(text)) return false;
  value.assign(text.begin(), text.end());
  return true;
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

}  // namespace

std::string formatSharingRecord(const SharingRecord& record) {
  return std::string(kFirstLine) + "\r\nhosted=" + ascii(record.hosted) +
         "\r\npublic=" + ascii(record.sharedPublic) + "\r\nprivate=" + ascii(record.sharedPrivate) +
         "\r\n" + kLastLine + "\r\n";
}

std::optional<SharingRecord> parseSharingRecord(const std::string& text) {
  const std::vector<std::string> lines = linesOf(text);
  SharingRecord record;
  // The last line break ends the record: nothing may follow it.
  if (lines.size() != 6 || lines[0] != kFirstLine || lines[4] != kLastLine || !lines[5].empty() ||
      !readField(lines[1], "hosted", false, record.hosted) ||
      !readField(lines[2], "public", true, record.sharedPublic) ||
      !readField(lines[3], "private", true, record.sharedPrivate)) {
    return std::nullopt;
  }
  return record;
}

}  // namespace vanterel
