#pragma once

#include <optional>
#include <string>

#include "tests/e2e/netsh_model.h"

namespace vanterel::e2e {

// The file of the machine the stand-ins simulate, which netsh changes and
// wlanapi reports: the test's own (VANTEREL_NETSH_STATE), or else one shared
// in the prefix's Windows folder, as the system's settings would be.
std::wstring netshStatePath();

// The machine as the file says, the default one when there is no file;
// nothing when it cannot be read.
std::optional<NetshState> readNetshState(const std::wstring& path);

}  // namespace vanterel::e2e
