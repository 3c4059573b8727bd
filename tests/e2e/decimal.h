#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vanterel::e2e {

// A non-negative decimal number of at most 32 bits, digits only.
inline std::optional<std::uint32_t> parseDecimal(const std::string& digits) {
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace vanterel::e2e
