#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vanterel::e2e {

// How the stand-in netsh answers a command line that contains `match`:
// it prints `output`, in the code page given or else the console's, waits
// `delayMilliseconds` and exits with `exitCode`; with 0, it then goes on to
// answer as netsh would.
struct NetshRule {
  std::u16string match;
  std::uint32_t exitCode = 0;
  std::uint32_t delayMilliseconds = 0;
  std::u16string output;
  std::uint32_t codePage = 0;

  bool operator==(const NetshRule& other) const {
    return match == other.match && exitCode == other.exitCode &&
           delayMilliseconds == other.delayMilliseconds && output == other.output &&
           codePage == other.codePage;
  }
};

// One rule a line: match, exit code, delay, output and code page separated
// by tabs, the texts escaped as field_escape.h says; a line without the code
// page prints in the console's.
std::string formatNetshRules(const std::vector<NetshRule>& rules);

// The rules of a whole file, in order; nothing when a line is malformed.
std::optional<std::vector<NetshRule>> parseNetshRules(const std::string& file);

// The first rule whose match occurs in the command line, if any.
const NetshRule* ruleFor(const std::vector<NetshRule>& rules, const std::u16string& commandLine);

}  // namespace vanterel::e2e
