#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vanterel::benchmark {

// A program built beside this benchmark, such as a baseline.
std::wstring besideThisProgram(const wchar_t* name);

std::optional<std::uint64_t> fileSize(const std::wstring& path);

// The file name at the end of a path, for printing.
std::string fileName(const std::wstring& path);

// The build the figures come from: "x64" or "x86".
constexpr const char* kArchitecture = sizeof(void*) == 8 ? "x64" : "x86";

}  // namespace vanterel::benchmark
