#include "tests/hotspot/fake_sharing.h"

#include <new>

namespace vanterel {
namespace {

constexpr std::uint32_t kAllSubscribersFailed = 0x80040201;

}  // namespace

std::optional<SharingFailure> FakeSharing::hostedAdapter(std::u16string& guid) {
  guid = hosted;
  return answer(SharingStep::FindHostedAdapter);
}

std::optional<SharingFailure> FakeSharing::internetAdapter(std::u16string& guid) {
  guid = internet;
  return answer(SharingStep::FindInternetConnection);
}

std::optional<SharingFailure> FakeSharing::listConnections(std::vector<SharedConnection>& listed) {
  for (SharingStep step : {SharingStep::OpenSharingManager, SharingStep::ListConnections,
                           SharingStep::ReadConnection, SharingStep::ReadSharing}) {
    if (const auto failure = answer(step)) return failure;
  }
  listed = connections;
  return std::nullopt;
}

std::optional<SharingFailure> FakeSharing::disableSharing(std::size_t connection) {
  changes.push_back(u"off " + connections.at(connection).guid);
  const std::u16string& guid = connections.at(connection).guid;
  if (const auto failure = answer(SharingStep::DisableSharing, guid)) return failure;
  connections.at(connection).role = SharingRole::None;
  return std::nullopt;
}

std::optional<SharingFailure> FakeSharing::enableSharing(std::size_t connection, SharingRole role) {
  const bool isPublic = role == SharingRole::Public;
  changes.push_back((isPublic ? u"public " : u"private ") + connections.at(connection).guid);
  const SharingStep step = isPublic ? SharingStep::SharePublic : SharingStep::SharePrivate;
  if (const auto failure = answer(step, connections.at(connection).guid)) return failure;
  // Windows shares one pair at a time.
  for (const auto& other : connections) {
    if (other.role == role) return SharingFailure{step, kAllSubscribersFailed};
  }
  connections.at(connection).role = role;
  return std::nullopt;
}

std::optional<SharingFailure> FakeSharing::answer(SharingStep step,
                                                  const std::u16string& connection) const {
  if (throwing == step) throw std::bad_alloc();
  const bool here = failingOnly.empty() || connection == failingOnly;
  return failing && failing->step == step && here ? failing : std::nullopt;
}

}  // namespace vanterel
