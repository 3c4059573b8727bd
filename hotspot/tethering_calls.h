#pragma once

#include <chrono>
#include <cstdint>
#include <string>

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

// The calls of Windows' Mobile hotspot (the tethering manager of the
// Internet connection), one each. The Windows side makes them on a thread
// of the multithreaded apartment; tests answer them from memory.
class TetheringCalls {
 public:
  virtual ~TetheringCalls() = default;

  // Opens the manager for the computer's Internet connection; `connected`
  // false when there is no connection to share.
  virtual TetheringCallEnd openManager(bool& connected) = 0;
  // Of the opened manager: sets the name and passphrase.
  virtual TetheringCallEnd configure(const std::u16string& ssid,
                                     const std::u16string& passphrase) = 0;
  virtual TetheringCallEnd start(TetheringAnswer& answer) = 0;
  virtual TetheringCallEnd stop(TetheringAnswer& answer) = 0;
  virtual TetheringCallEnd isOn(bool& on) = 0;
};

}  // namespace vanterel
