#pragma once

#include <cstdint>
#include <string>

#include "hotspot/sharing_calls.h"

namespace vanterel {

// How sharing the Internet connection with the hosted network ended; and
// how giving back the sharing that was there before ended (Shared: given
// back, or nothing to give).
struct SharingOutcome {
  enum class Kind {
    Shared,             // shared now, or was already
    NoInternet,         // no route to the Internet but through the hosted network
    HostedNotListed,    // the sharing manager does not know the hosted adapter
    InternetNotListed,  // nor the connection to the Internet
    Failed,             // a call failed: step, code and the system's text say which
    TimedOut,           // had not ended within kSharingTimeout
  };

  Kind kind = Kind::Shared;
  SharingStep step = SharingStep::FindHostedAdapter;
  std::uint32_t code = 0;     // HRESULT of the failed call
  std::u16string systemText;  // what the system says about the code
};

}  // namespace vanterel
