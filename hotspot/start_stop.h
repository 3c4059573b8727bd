#pragma once

#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// The one button: checks the fields and starts the hosted network when the
// window is idle, stops it when running. Each netsh command runs to its end
// before the next; the window changes state only when all of them succeeded.
void Command1_Click(MainWindow& form, System& system);

}  // namespace vanterel
