#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vanterel::e2e {

// One run of the stand-in netsh: its process id, its command line as the
// system handed it over, and that line split into arguments by the
// standard Windows rules (the program's own name first).
struct NetshInvocation {
  std::uint32_t processId = 0;
  std::u16string commandLine;
  std::vector<std::u16string> arguments;

  bool operator==(const NetshInvocation& other) const {
    return processId == other.processId && commandLine == other.commandLine &&
           arguments == other.arguments;
  }
};

// One line of the log: the process id, the command line and each argument,
// separated by tabs, escaped as field_escape.h says, ending in a line break.
std::string formatInvocation(const NetshInvocation& invocation);

// Every invocation of a whole log, in the order they were written; nothing
// when any line is malformed or the last one is unfinished.
std::optional<std::vector<NetshInvocation>> parseNetshLog(const std::string& log);

}  // namespace vanterel::e2e
