#include "tests/benchmark/programs.h"

#include <windows.h>

#include "tests/e2e/utf8.h"

namespace vanterel::benchmark {

std::wstring besideThisProgram(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

std::optional<std::uint64_t> fileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string fileName(const std::wstring& path) {
  return e2e::utf8(path.substr(path.find_last_of(L"\\/") + 1));
}

}  // namespace vanterel::benchmark
