#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vanterel::e2e {

// Variables to set for a started program, name and value.
using EnvironmentChanges = std::vector<std::pair<std::wstring, std::wstring>>;

// A sorted environment block for CreateProcessW: the driver's own variables,
// with those named in `changes` set to their new values.
std::wstring environmentBlock(const EnvironmentChanges& changes);

// The value of one of this process's variables; empty when it is not set.
std::wstring environmentVariable(const wchar_t* name);

}  // namespace vanterel::e2e
