#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace vanterel {

// How long sharing the connection may take: Windows may have to start its
// sharing service first.
constexpr std::chrono::seconds kSharingTimeout{30};

// The calls that share a connection, each named for the user when it fails.
enum class SharingStep {
  FindHostedAdapter,       // WlanHostedNetworkQueryStatus
  FindInternetConnection,  // GetBestInterfaceEx, GetAdaptersAddresses
  OpenSharingManager,      // COM, HNetCfg.HNetShare
  ListConnections,         // EnumEveryConnection and its enumerator
  ReadConnection,          // the connection's properties and GUID
  ReadSharing,             // the connection's sharing configuration
  DisableSharing,
  SharePublic,
  SharePrivate,
};

// How sharing the Internet connection with the hosted network ended.
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
