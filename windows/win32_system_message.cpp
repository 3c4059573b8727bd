#include "windows/win32_system_message.h"

#include "windows/win32_text.h"

namespace vanterel {

std::u16string systemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  const std::u16string result = length > 0 ? fromWide(text, length) : u"";
  LocalFree(text);
  return result;
}

}  // namespace vanterel
