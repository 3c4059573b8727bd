#include "tests/e2e/netsh_files.h"

namespace vanterel::e2e {

std::optional<std::vector<NetshInvocation>> readNetshLog(const std::wstring& path) {
  std::string content;
  switch (readFile(path, content)) {
    case FileRead::Missing:
      return std::vector<NetshInvocation>{};
    case FileRead::Failed:
      return std::nullopt;
    case FileRead::Read:
      break;
  }
  return parseNetshLog(content);
}

bool writeNetshRules(const std::wstring& path, const std::vector<NetshRule>& rules) {
  return writeWholeFile(path, formatNetshRules(rules));
}

}  // namespace vanterel::e2e
