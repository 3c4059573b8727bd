#pragma once

#include <string>

namespace vanterel {

// wchar_t is a UTF-16 code unit on Windows, so these copy unit by unit.
inline std::wstring toWide(const std::u16string& text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string fromWide(const wchar_t* text, std::size_t length) {
  return std::u16string(text, text + length);
}

}  // namespace vanterel
