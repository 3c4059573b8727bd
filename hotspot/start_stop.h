#pragma once

#include "hotspot/hotspot_session.h"
#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// The one button: checks the fields and starts the hotspot when the window
// is idle, stops it when running, the way it started. Each netsh command
// runs to its end before the next; the window changes state only when all
// of them succeeded. The session keeps how the hotspot started.
void Command1_Click(MainWindow& form, System& system, HotspotSession& session);

}  // namespace vanterel
