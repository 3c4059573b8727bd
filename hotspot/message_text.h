#pragma once

#include <cstdint>
#include <string>

namespace vanterel {

// Pieces of the texts the user reads.

std::u16string decimal(long long number);

// `digits` upper-case hexadecimal digits, no prefix: codes as Windows writes them.
std::u16string hexadecimal(std::uint32_t number, int digits);

bool isHexDigit(char16_t c);

// The text without the blanks at either end.
std::u16string trimmed(const std::u16string& text, const std::u16string& blanks = u" \t\r\n");

}  // namespace vanterel
