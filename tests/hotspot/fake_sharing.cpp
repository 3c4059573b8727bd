#include "tests/hotspot/fake_sharing.h"

namespace vanterel {
namespace {

constexpr std::uint32_t kAllSubscribersFailed = 0x80040201;

}  // namespace

SharingCall FakeSharing::hostedAdapter(std::u16string& guid) {
  guid = hosted;
  return answer(SharingStep::FindHostedAdapter);
}

SharingCall FakeSharing::internetAdapter(std::u16string& guid) {
  guid = internet;
  return answer(SharingStep::FindInternetConnection);
}

SharingCall FakeSharing::listConnections(std::vector<SharedConnection>& listed) {
  for (SharingStep step : {SharingStep::OpenSharingManager, SharingStep::ListConnections,
                           SharingStep::ReadConnection, SharingStep::ReadSharing}) {
    if (const SharingCall failed = answer(step)) return failed;
  }
  listed = connections;
  return SharingCall{};
}

SharingCall FakeSharing::disableSharing(std::size_t connection) {
  changes.push_back(u"off " + connections.at(connection).guid);
  const std::u16string& guid = connections.at(connection).guid;
  if (const SharingCall failed = answer(SharingStep::DisableSharing, guid)) return failed;
  connections.at(connection).role = SharingRole::None;
  return SharingCall{};
}

SharingCall FakeSharing::enableSharing(std::size_t connection, SharingRole role) {
  const bool isPublic = role == SharingRole::Public;
  changes.push_back((isPublic ? u"public " : u"private ") + connections.at(connection).guid);
  const SharingStep step = isPublic ? SharingStep::SharePublic : SharingStep::SharePrivate;
  if (const SharingCall failed = answer(step, connections.at(connection).guid)) return failed;
  // Windows shares one pair at a time.
  for (const auto& other : connections) {
    if (other.role == role) return SharingCallFailure{step, kAllSubscribersFailed};
  }
  connections.at(connection).role = role;
  return SharingCall{};
}

bool FakeSharing::writeRecord(const std::string& text) {
  if (recordWritable) record = text;
  return recordWritable;
}

SharingCall FakeSharing::answer(SharingStep step, const std::u16string& connection) const {
  const bool here = failingOnly.empty() || connection == failingOnly;
  return failing && failing->step == step && here ? failing : SharingCall{};
}

}  // namespace vanterel
