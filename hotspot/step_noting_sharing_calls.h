#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "hotspot/sharing_calls.h"

namespace vanterel {

// The sharing calls of one job, each noting in `step` the step it stands
// for before it is made, so that a job that throws fails at the step it
// was on. Enabling stands for giving the sharing back in a job that
// `givesBack`, for sharing anew in any other.
class StepNotingSharingCalls final : public SharingCalls {
 public:
  StepNotingSharingCalls(SharingCalls& calls, bool givesBack, SharingStep& step);

  std::optional<SharingFailure> hostedAdapter(std::u16string& guid) override;
  std::optional<SharingFailure> internetAdapter(std::u16string& guid) override;
  std::optional<SharingFailure> listConnections(
      std::vector<SharedConnection>& connections) override;
  std::optional<SharingFailure> disableSharing(std::size_t connection) override;
  std::optional<SharingFailure> enableSharing(std::size_t connection, SharingRole role) override;

 private:
  SharingCalls& calls_;
  bool givesBack_;
  SharingStep& step_;
};

}  // namespace vanterel
