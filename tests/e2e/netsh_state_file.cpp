#include "tests/e2e/netsh_state_file.h"

#include <windows.h>

#include "tests/e2e/environment_block.h"
#include "tests/e2e/test_files.h"

namespace vanterel::e2e {

std::wstring netshStatePath() {
  std::wstring path = environmentVariable(L"VANTEREL_NETSH_STATE");
  if (!path.empty()) return path;
  wchar_t folder[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  return std::wstring(folder, length) + L"\\vanterel-netsh.state";
}

std::optional<NetshState> readNetshState(const std::wstring& path) {
  std::string stored;
  const FileRead read = path.empty() ? FileRead::Failed : readFile(path, stored);
  if (read == FileRead::Missing) return NetshState{};
  return read == FileRead::Read ? parseNetshState(stored) : std::nullopt;
}

}  // namespace vanterel::e2e
