#pragma once

#include <string>

#include "hotspot/command_run.h"
#include "hotspot/command_lines.h"

namespace vanterel {

// True when the step ran to its end and netsh reported success.
bool succeeded(const CommandRun& run);

// In a few words, why a command failed: the first line netsh printed, or
// how it ended.
std::u16string failureReason(const CommandRun& run);

// The message that tells the user which step failed, how, and what netsh said.
std::u16string describeFailure(const Step& step, const CommandRun& run);

}  // namespace vanterel
