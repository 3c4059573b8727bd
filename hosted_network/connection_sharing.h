#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "system/internet_sharing.h"

namespace vanterel {

// The part a connection plays in Internet Connection Sharing.
enum class SharingRole { None, Public, Private };

// One connection the sharing manager knows, by its adapter's GUID.
struct SharedConnection {
  std::u16string guid;
  SharingRole role = SharingRole::None;
};

// A call that failed: which, and the HRESULT it returned.
struct SharingCallFailure {
  SharingStep step;
  std::uint32_t code;
};
using SharingCall = std::optional<SharingCallFailure>;

// The system calls that sharing needs, one each. The Win32 side makes them;
// tests answer them from memory.
class ConnectionSharing {
 public:
  virtual ~ConnectionSharing() = default;

  // The GUID of the started hosted network's adapter.
  virtual SharingCall hostedAdapter(std::u16string& guid) = 0;
  // The GUID of the adapter of the best IPv4 route to a public address;
  // empty when there is no such route.
  virtual SharingCall internetAdapter(std::u16string& guid) = 0;
  // Every connection of the sharing manager, in its order.
  virtual SharingCall listConnections(std::vector<SharedConnection>& connections) = 0;
  // On a connection of the last list, by its index there.
  virtual SharingCall disableSharing(std::size_t connection) = 0;
  virtual SharingCall enableSharing(std::size_t connection, SharingRole role) = 0;
};

// Shares the Internet connection with the hosted network's adapter, public
// and private, unless they are shared so already; turns off any other pair
// first, as Windows shares one pair at a time. The system text is left to
// the caller.
SharingOutcome shareInternet(ConnectionSharing& sharing);

// Undoes the sharing when the hosted adapter is the private side: turns it
// off there and on the public side. Failures change nothing else.
void stopSharing(ConnectionSharing& sharing);

// GUIDs as the system writes them, with or without braces, in any case.
bool sameGuid(const std::u16string& a, const std::u16string& b);

}  // namespace vanterel
