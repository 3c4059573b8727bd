#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/netsh_log_format.h"
#include "tests/e2e/netsh_rules_format.h"
#include "tests/e2e/test_files.h"

namespace vanterel::e2e {

// Every run of the stand-in netsh recorded in the log so far: none when
// there is no log yet, nothing at all when the log is malformed.
std::optional<std::vector<NetshInvocation>> readNetshLog(const std::wstring& path);

// Replaces the rules the stand-in netsh answers by; it reads them afresh
// at every run.
bool writeNetshRules(const std::wstring& path, const std::vector<NetshRule>& rules);

}  // namespace vanterel::e2e
