#pragma once

#include <string>

#include "hotspot/sharing_calls.h"
#include "hotspot/system.h"

namespace vanterel {

// Shares the Internet connection with the hosted network's adapter, public
// and private, unless they are shared so already; turns off any other pair
// first, as Windows shares one pair at a time. The system text is left to
// the caller.
SharingOutcome shareInternet(ConnectionSharing& sharing);

// Undoes the sharing when the hosted adapter is the private side: turns it
// off there and on the public side. Failures change nothing else.
void stopSharing(ConnectionSharing& sharing);

// shareInternet through the system's sharing calls, within kSharingTimeout,
// with the system's words for a failed call.
SharingOutcome shareInternetWithHostedNetwork(System& system);

// stopSharing through the system's sharing calls; says nothing.
void stopSharingHostedNetwork(System& system);

// GUIDs as the system writes them, with or without braces, in any case.
bool sameGuid(const std::u16string& a, const std::u16string& b);

}  // namespace vanterel
