#include "tests/e2e/netsh_rules_format.h"

#include "tests/e2e/decimal.h"
#include "tests/e2e/field_escape.h"

namespace vanterel::e2e {

std::string formatNetshRules(const std::vector<NetshRule>& rules) {
  std::string file;
  for (const NetshRule& rule : rules) {
    file += escapeField(rule.match) + '\t' + std::to_string(rule.exitCode) + '\t' +
            std::to_string(rule.delayMilliseconds) + '\t' + escapeField(rule.output) + '\t' +
            std::to_string(rule.codePage) + '\n';
  }
  return file;
}

std::optional<std::vector<NetshRule>> parseNetshRules(const std::string& file) {
  std::vector<NetshRule> rules;
  for (const std::string& line : splitLines(file)) {
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() != 4 && fields.size() != 5) return std::nullopt;

    const auto match = unescapeField(fields[0]);
    const auto exitCode = parseDecimal(fields[1]);
    const auto delay = parseDecimal(fields[2]);
    const auto output = unescapeField(fields[3]);
    const auto codePage =
        fields.size() == 5 ? parseDecimal(fields[4]) : std::optional<std::uint32_t>(0);
    if (!match || !exitCode || !delay || !output || !codePage) return std::nullopt;
    rules.push_back({*match, *exitCode, *delay, *output, *codePage});
  }
  return rules;
}

const NetshRule* ruleFor(const std::vector<NetshRule>& rules, const std::u16string& commandLine) {
  for (const NetshRule& rule : rules) {
    if (commandLine.find(rule.match) != std::u16string::npos) return &rule;
  }
  return nullptr;
}

}  // namespace vanterel::e2e
