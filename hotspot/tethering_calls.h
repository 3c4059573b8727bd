#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hotspot/hotspot_look.h"
#include "hotspot/tethering_run.h"

namespace vanterel {

// How long each asynchronous call of the Mobile hotspot may take.
constexpr std::chrono::seconds kTetheringStepTimeout{30};

// How one call of the Mobile hotspot ended.
struct TetheringCallEnd {
  enum class Kind {
    Done,
    Failed,    // error is its HRESULT
    TimedOut,  // not completed within kTetheringStepTimeout, and cancelled
  };
  Kind kind = Kind::Done;
  std::uint32_t error = 0;
};

// What a completed start or stop answered.
struct TetheringAnswer {
  TetheringStatus status = TetheringStatus::Success;
  std::u16string additionalMessage;
};

// The Mobile hotspot's settings, as Windows' settings page keeps them; the
// band (a TetheringWiFiBand) only where Windows has one, Windows 10 2004
// and later.
struct TetheringSettings {
  std::u16string ssid;
  std::u16string passphrase;
  std::optional<std::int32_t> band;

  bool operator==(const TetheringSettings& other) const {
    return ssid == other.ssid && passphrase == other.passphrase && band == other.band;
  }
};

// The calls of Windows' Mobile hotspot (the tethering manager of the
// Internet connection), one each. The Windows side makes them on a thread
// of the multithreaded apartment; tests answer them from memory.
class TetheringCalls {
 public:
  virtual ~TetheringCalls() = default;

  // Opens the manager for the computer's Internet connection; `connected`
  // false when there is no connection to share.
  virtual TetheringCallEnd openManager(bool& connected) = 0;
  // Of the opened manager: the settings it has now, and new ones; a band
  // left out, or one the adapter cannot use, is left as it is.
  virtual TetheringCallEnd readSettings(TetheringSettings& settings) = 0;
  virtual TetheringCallEnd configure(const TetheringSettings& settings) = 0;
  virtual TetheringCallEnd start(TetheringAnswer& answer) = 0;
  virtual TetheringCallEnd stop(TetheringAnswer& answer) = 0;
  // Its operational state and how many devices are connected.
  virtual TetheringCallEnd look(TetheringLook& look) = 0;
  // The devices connected (Windows 10 1703 and later).
  virtual TetheringCallEnd clients(std::vector<ConnectedDevice>& devices) = 0;
  // Whether it turns itself off a while after the last device left, and
  // turning that on or off (Windows 10 2004 and later).
  virtual TetheringCallEnd noConnectionsTimeout(bool& enabled) = 0;
  virtual TetheringCallEnd setNoConnectionsTimeout(bool enabled) = 0;
};

}  // namespace vanterel
