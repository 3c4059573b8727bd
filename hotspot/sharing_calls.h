#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
  RestorePublic,   // the connection that was shared before the hotspot's
  RestorePrivate,  // the one that used it
};

// A sharing call that failed: which, and the HRESULT it returned.
struct SharingFailure {
  SharingStep step;
  std::uint32_t code;
};

// The part a connection plays in Internet Connection Sharing.
enum class SharingRole { None, Public, Private };

// One connection the sharing manager knows, by its adapter's GUID.
struct SharedConnection {
  std::u16string guid;
  SharingRole role = SharingRole::None;
};

// The system calls that sharing needs, one each; each returns its failure,
// or nothing when it succeeded. The Windows side makes them; tests answer
// them from memory.
class SharingCalls {
 public:
  virtual ~SharingCalls() = default;

  // The GUID of the started hosted network's adapter.
  virtual std::optional<SharingFailure> hostedAdapter(std::u16string& guid) = 0;
  // The GUID of the adapter of the best IPv4 route to a public address;
  // empty when there is no such route.
  virtual std::optional<SharingFailure> internetAdapter(std::u16string& guid) = 0;
  // Every connection of the sharing manager, in its order.
  virtual std::optional<SharingFailure> listConnections(
      std::vector<SharedConnection>& connections) = 0;
  // On a connection of the last list, by its index there.
  virtual std::optional<SharingFailure> disableSharing(std::size_t connection) = 0;
  virtual std::optional<SharingFailure> enableSharing(std::size_t connection, SharingRole role) = 0;
};

}  // namespace vanterel
