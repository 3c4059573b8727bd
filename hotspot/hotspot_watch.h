#pragma once

#include <cstddef>

#include "hotspot/hotspot_look.h"
#include "hotspot/hotspot_session.h"
#include "hotspot/main_window.h"
#include "hotspot/status_line.h"
#include "hotspot/system.h"

namespace vanterel {

// What one look at the running hotspot shows.
struct Sighting {
  enum class Kind {
    Running,   // with `devices` connected
    Stopped,   // for `cause`
    Changing,  // turning on or off
    Unknown,   // the system could not be asked
  };
  Kind kind = Kind::Unknown;
  std::size_t devices = 0;
  StopCause cause = StopCause::Elsewhere;
};

// What the system's answers mean: the hosted network active, idle (turned
// off elsewhere) or unavailable (its adapter turned off or gone); the Mobile
// hotspot on, off (turned off elsewhere, or by its own timeout) or in
// transition.
Sighting sightingOf(const HotspotLook& look);

// While the window runs its hotspot: a look at it in the background, which
// the window follows (hotspotLooked) once it is back. Idle, nothing.
void lookAtRunningHotspot(MainWindow& form, System& system, HotspotSession& session);

// The window follows a look at the hotspot it started, made while it runs:
// the status line says how many devices are connected; a hotspot found
// stopped that the window did not stop, unless the computer sleeps, has
// what its start changed given back, as a stop gives it, and the window
// goes idle with the status line saying why. Shows no box.
void hotspotLooked(MainWindow& form, System& system, HotspotSession& session,
                   const HotspotLook& look);

// Between these two a hotspot that stops is the sleep's doing. After the
// resume, a hotspot the window runs that is not running is started again
// (and its connection shared again); when that fails, as if it had stopped
// by itself.
void computerSuspends(HotspotSession& session);
void computerResumed(MainWindow& form, System& system, HotspotSession& session);

}  // namespace vanterel
