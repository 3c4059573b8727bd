#pragma once

#include <string>

#include "hotspot/record_file.h"
#include "hotspot/sharing_calls.h"
#include "hotspot/sharing_outcome.h"
#include "hotspot/system.h"

namespace vanterel {

// Shares the Internet connection with the hosted network's adapter, public
// and private, unless they are shared so already; turns off any other pair
// first, as Windows shares one pair at a time. Before the first change it
// records the pair it found, unless an earlier start's record is still
// there; when a change fails, it puts that pair back. The system text is
// left to the caller.
SharingOutcome shareInternet(SharingCalls& sharing, RecordFile& file);

// Turns the hotspot's sharing off, when its adapter is the private side
// (found through the record when the hosted network is gone), and shares
// the recorded pair again; then the record goes. Without a record,
// failures are not told.
SharingOutcome stopSharing(SharingCalls& sharing, RecordFile& file);

// The two above through the system's sharing calls, within
// kSharingTimeout, with the system's words for a failed call.
SharingOutcome shareInternetWithHostedNetwork(System& system);
SharingOutcome stopSharingHostedNetwork(System& system);

// GUIDs as the system writes them, with or without braces, in any case.
bool sameGuid(const std::u16string& a, const std::u16string& b);

}  // namespace vanterel
