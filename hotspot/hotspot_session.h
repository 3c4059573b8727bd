#pragma once

#include <cstddef>

#include "hotspot/hotspot_look.h"

namespace vanterel {

// What the window knows of the hotspot it started, kept between the events
// that reach it: how it started, while the window runs, and whether the
// computer sleeps.
struct HotspotSession {
  HotspotStart way = HotspotStart::NotStarted;
  // How many devices the last look found connected.
  std::size_t devices = 0;
  // Between the computer's suspend and its resume.
  bool asleep = false;
};

}  // namespace vanterel
