#pragma once

#include "hotspot/hotspot_session.h"
#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// Shows the password in clear or masks it again; Label5's caption names
// what the next click will do. It asks nothing of the system.
void Label5_Click(MainWindow& form, System&, HotspotSession&);

}  // namespace vanterel
