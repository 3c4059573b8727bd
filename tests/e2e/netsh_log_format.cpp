#include "tests/e2e/netsh_log_format.h"

#include <utility>

#include "tests/e2e/decimal.h"
#include "tests/e2e/field_escape.h"

namespace vanterel::e2e {

std::string formatInvocation(const NetshInvocation& invocation) {
  std::string line = std::to_string(invocation.processId);
  line += '\t';
  line += escapeField(invocation.commandLine);
  for (const std::u16string& argument : invocation.arguments) {
    line += '\t';
    line += escapeField(argument);
  }
  line += '\n';
  return line;
}

std::optional<std::vector<NetshInvocation>> parseNetshLog(const std::string& log) {
  std::vector<NetshInvocation> invocations;
  std::size_t begin = 0;
  while (begin < log.size()) {
    const std::size_t end = log.find('\n', begin);
    if (end == std::string::npos) return std::nullopt;
    const std::vector<std::string> fields = splitFields(log.substr(begin, end - begin));
    begin = end + 1;
    if (fields.size() < 2) return std::nullopt;

    NetshInvocation invocation;
    const auto processId = parseDecimal(fields[0]);
    const auto commandLine = unescapeField(fields[1]);
    if (!processId || !commandLine) return std::nullopt;
    invocation.processId = *processId;
    invocation.commandLine = *commandLine;
    for (std::size_t i = 2; i < fields.size(); ++i) {
      const auto argument = unescapeField(fields[i]);
      if (!argument) return std::nullopt;
      invocation.arguments.push_back(*argument);
    }
    invocations.push_back(std::move(invocation));
  }
  return invocations;
}

}  // namespace vanterel::e2e
