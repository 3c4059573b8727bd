#include "tests/e2e/netsh_files.h"

#include <windows.h>

#include "app/win32_handle.h"

namespace vanterel::e2e {

std::optional<std::vector<NetshInvocation>> readNetshLog(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<NetshInvocation>{};
    return std::nullopt;
  }
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  for (;;) {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    content.append(buffer, read);
  }
  return parseNetshLog(content);
}

bool writeWholeFile(const std::wstring& path, const std::string& content) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                   nullptr) &&
         written == content.size();
}

std::string readWholeFile(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (file && ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    content.append(buffer, read);
  }
  return content;
}

bool writeNetshRules(const std::wstring& path, const std::vector<NetshRule>& rules) {
  return writeWholeFile(path, formatNetshRules(rules));
}

}  // namespace vanterel::e2e
