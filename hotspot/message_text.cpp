#include "hotspot/message_text.h"

namespace vanterel {

std::u16string decimal(long long number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string hexadecimal(std::uint32_t number, int digits) {
  const char16_t symbols[] = u"0123456789ABCDEF";
  std::u16string text;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
    text += symbols[(number >> shift) & 0xF];
  return text;
}

bool isHexDigit(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

std::u16string trimmed(const std::u16string& text, const std::u16string& blanks) {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::u16string::npos) return u"";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace vanterel
