#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hotspot/sharing_calls.h"

namespace vanterel {

inline const std::u16string kFakeHostedGuid = u"{4B1C0D2E-0000-4000-8000-00000000000A}";
inline const std::u16string kFakeInternetGuid = u"{4B1C0D2E-0000-4000-8000-00000000000B}";

// The sharing manager in memory: one pair at a time, as Windows shares. It
// starts with the Internet connection and the hosted adapter, neither shared.
class FakeSharing final : public SharingCalls {
 public:
  std::u16string hosted = kFakeHostedGuid;
  std::u16string internet = kFakeInternetGuid;
  std::vector<SharedConnection> connections = {{kFakeInternetGuid, SharingRole::None},
                                               {kFakeHostedGuid, SharingRole::None}};
  std::optional<SharingFailure> failing;
  // The call at this step throws std::bad_alloc instead.
  std::optional<SharingStep> throwing;
  // When set, changes fail only on this connection.
  std::u16string failingOnly;
  // "off <guid>", "public <guid>" or "private <guid>", tried or not.
  std::vector<std::u16string> changes;

  std::optional<SharingFailure> hostedAdapter(std::u16string& guid) override;
  std::optional<SharingFailure> internetAdapter(std::u16string& guid) override;
  std::optional<SharingFailure> listConnections(std::vector<SharedConnection>& listed) override;
  std::optional<SharingFailure> disableSharing(std::size_t connection) override;
  std::optional<SharingFailure> enableSharing(std::size_t connection, SharingRole role) override;

 private:
  std::optional<SharingFailure> answer(SharingStep step,
                                       const std::u16string& connection = u"") const;
};

}  // namespace vanterel
