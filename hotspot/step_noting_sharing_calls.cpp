#include "hotspot/step_noting_sharing_calls.h"

namespace vanterel {

StepNotingSharingCalls::StepNotingSharingCalls(SharingCalls& calls, bool givesBack,
                                               SharingStep& step)
    : calls_(calls), givesBack_(givesBack), step_(step) {}

std::optional<SharingFailure> StepNotingSharingCalls::hostedAdapter(std::u16string& guid) {
  step_ = SharingStep::FindHostedAdapter;
  return calls_.hostedAdapter(guid);
}

std::optional<SharingFailure> StepNotingSharingCalls::internetAdapter(std::u16string& guid) {
  step_ = SharingStep::FindInternetConnection;
  return calls_.internetAdapter(guid);
}

std::optional<SharingFailure> StepNotingSharingCalls::listConnections(
    std::vector<SharedConnection>& connections) {
  step_ = SharingStep::ListConnections;
  return calls_.listConnections(connections);
}

std::optional<SharingFailure> StepNotingSharingCalls::disableSharing(std::size_t connection) {
  step_ = SharingStep::DisableSharing;
  return calls_.disableSharing(connection);
}

std::optional<SharingFailure> StepNotingSharingCalls::enableSharing(std::size_t connection,
                                                                    SharingRole role) {
  const bool isPublic = role == SharingRole::Public;
  if (givesBack_) {
    step_ = isPublic ? SharingStep::RestorePublic : SharingStep::RestorePrivate;
  } else {
    step_ = isPublic ? SharingStep::SharePublic : SharingStep::SharePrivate;
  }
  return calls_.enableSharing(connection, role);
}

}  // namespace vanterel
