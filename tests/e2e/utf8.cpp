#include "tests/e2e/utf8.h"

#include <windows.h>

namespace vanterel::e2e {

std::string utf8(const std::wstring& text) {
  if (text.empty()) return "";
  const int units = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), units, &bytes[0], size, nullptr, nullptr);
  return bytes;
}

}  // namespace vanterel::e2e
