#pragma once

#include <string>

namespace vanterel::e2e {

// For test messages: GoogleTest prints narrow text as it stands.
std::string utf8(const std::wstring& text);

}  // namespace vanterel::e2e
