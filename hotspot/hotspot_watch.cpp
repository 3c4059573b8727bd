#include "hotspot/hotspot_watch.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "hotspot/command_lines.h"
#include "hotspot/connection_sharing.h"
#include "hotspot/mobile_hotspot.h"
#include "hotspot/step_failure.h"
#include "hotspot/tethering_messages.h"
#include "hotspot/tethering_requests.h"
#include "hotspot/window_state.h"

namespace vanterel {
namespace {

// The adapter may take a few seconds to come back after a resume.
constexpr int kRestartTries = 5;
constexpr std::chrono::seconds kRestartPause{1};

Sighting seen(Sighting::Kind kind, std::size_t devices = 0,
              StopCause cause = StopCause::Elsewhere) {
  Sighting sighting;
  sighting.kind = kind;
  sighting.devices = devices;
  sighting.cause = cause;
  return sighting;
}

Sighting sightingOfHostedNetwork(const HostedNetworkStatus& status) {
  switch (status.state) {
    case HostedNetworkStatus::State::Active:
      return seen(Sighting::Kind::Running, status.peers.size());
    case HostedNetworkStatus::State::Idle:
      return seen(Sighting::Kind::Stopped, 0, StopCause::Elsewhere);
    case HostedNetworkStatus::State::Unavailable:
      break;
  }
  return seen(Sighting::Kind::Stopped, 0, StopCause::AdapterGone);
}

Sighting sightingOfMobileHotspot(const TetheringLook& look) {
  switch (look.state) {
    case TetheringState::On:
      return seen(Sighting::Kind::Running, look.clients);
    case TetheringState::Off:
      return seen(Sighting::Kind::Stopped, 0, StopCause::Elsewhere);
    case TetheringState::InTransition:
      return seen(Sighting::Kind::Changing);
    case TetheringState::Unknown:
      break;
  }
  return seen(Sighting::Kind::Unknown);
}

// A look now, on the window's thread: the hotspot after the computer woke.
HotspotLook lookNow(System& system, HotspotStart way) {
  HotspotLook look;
  look.way = way;
  if (way == HotspotStart::HostedNetwork) {
    look.hosted = system.hostedNetworkStatus();
  } else {
    look.tethering = lookAtMobileHotspot(system);
  }
  return look;
}

void stoppedWithoutPress(MainWindow& form, System& system, HotspotSession& session, StopCause cause,
                         const std::u16string& reason = u"") {
  // Given back as a stop gives it back; no one pressed for a box.
  if (session.way == HotspotStart::HostedNetwork) {
    stopSharingHostedNetwork(system);
  } else {
    giveMobileHotspotSettingsBack(system);
  }
  session.way = HotspotStart::NotStarted;
  session.devices = 0;
  switchToIdle(form);
  showStopped(form, cause, reason);
}

// Starts the hosted network again, trying for a few seconds while its
// adapter comes back; nothing when it started, else why not.
std::optional<std::u16string> restartHostedNetwork(System& system) {
  const Step restart = restartStep();
  CommandRun run;
  for (int tries = 0; tries < kRestartTries; ++tries) {
    if (tries > 0) system.pause(kRestartPause);
    run = system.runCommand(restart.commandLine, restart.style, kStepTimeout);
    if (succeeded(run)) return std::nullopt;
  }
  return failureReason(run);
}

}  // namespace

Sighting sightingOf(const HotspotLook& look) {
  if (look.way == HotspotStart::HostedNetwork && look.hosted) {
    return sightingOfHostedNetwork(*look.hosted);
  }
  if (look.way == HotspotStart::MobileHotspot && look.tethering) {
    return sightingOfMobileHotspot(*look.tethering);
  }
  return seen(Sighting::Kind::Unknown);
}

void lookAtRunningHotspot(MainWindow& form, System& system, HotspotSession& session) {
  if (session.way == HotspotStart::NotStarted) return;
  // Shared with the job, which may outlive the window.
  const auto look = std::make_shared<HotspotLook>();
  look->way = session.way;
  system.runInBackground(
      [look](BackgroundCalls& calls) {
        if (look->way == HotspotStart::HostedNetwork) {
          look->hosted = calls.hostedNetworkStatus();
        } else {
          look->tethering = lookAtTethering(calls.tethering());
        }
      },
      [&form, &system, &session, look] { hotspotLooked(form, system, session, *look); });
}

void hotspotLooked(MainWindow& form, System& system, HotspotSession& session,
                   const HotspotLook& look) {
  // A look made for a hotspot the window no longer runs tells nothing.
  if (session.way == HotspotStart::NotStarted || look.way != session.way) return;
  const Sighting sighting = sightingOf(look);
  switch (sighting.kind) {
    case Sighting::Kind::Running:
      session.devices = sighting.devices;
      showRunning(form, session.way, sighting.devices);
      break;
    case Sighting::Kind::Stopped:
      // Asleep, the sleep stopped it: the resume starts it again.
      if (!session.asleep) stoppedWithoutPress(form, system, session, sighting.cause);
      break;
    case Sighting::Kind::Changing:
    case Sighting::Kind::Unknown:
      break;
  }
}

void computerSuspends(HotspotSession& session) { session.asleep = true; }

void computerResumed(MainWindow& form, System& system, HotspotSession& session) {
  session.asleep = false;
  if (session.way == HotspotStart::NotStarted) return;
  const HotspotLook look = lookNow(system, session.way);
  const Sighting sighting = sightingOf(look);
  // Back by itself, or on its way: later looks tell.
  if (sighting.kind == Sighting::Kind::Running || sighting.kind == Sighting::Kind::Changing) {
    hotspotLooked(form, system, session, look);
    return;
  }
  if (session.way == HotspotStart::HostedNetwork) {
    if (const auto reason = restartHostedNetwork(system)) {
      stoppedWithoutPress(form, system, session, StopCause::NotRestartedAfterSleep, *reason);
      return;
    }
    // Told of nowhere: no box pops up by itself.
    shareInternetWithHostedNetwork(system);
  } else {
    const TetheringRun run = restartMobileHotspot(system);
    if (run.outcome != TetheringRun::Outcome::Succeeded) {
      stoppedWithoutPress(form, system, session, StopCause::NotRestartedAfterSleep,
                          tetheringFailureReason(run));
      return;
    }
  }
  session.devices = 0;
  showRunning(form, session.way, 0);
}

}  // namespace vanterel
