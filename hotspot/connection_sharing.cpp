#include "hotspot/connection_sharing.h"

#include <memory>
#include <optional>
#include <vector>

namespace vanterel {
namespace {

std::u16string normalGuid(const std::u16string& guid) {
  std::u16string kept;
  for (char16_t c : guid) {
    if (c == u'{' || c == u'}') continue;
    kept += (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
  }
  return kept;
}

std::optional<std::size_t> indexOf(const std::vector<SharedConnection>& connections,
                                   const std::u16string& guid) {
  for (std::size_t i = 0; i < connections.size(); ++i) {
    if (sameGuid(connections[i].guid, guid)) return i;
  }
  return std::nullopt;
}

SharingOutcome outcomeOf(SharingOutcome::Kind kind) {
  SharingOutcome outcome;
  outcome.kind = kind;
  return outcome;
}

SharingOutcome failed(const SharingCallFailure& failure) {
  SharingOutcome outcome = outcomeOf(SharingOutcome::Kind::Failed);
  outcome.step = failure.step;
  outcome.code = failure.code;
  return outcome;
}

}  // namespace

bool sameGuid(const std::u16string& a, const std::u16string& b) {
  return !a.empty() && normalGuid(a) == normalGuid(b);
}

SharingOutcome shareInternet(ConnectionSharing& sharing) {
  std::u16string hosted;
  if (const SharingCall call = sharing.hostedAdapter(hosted)) return failed(*call);
  std::u16string internet;
  if (const SharingCall call = sharing.internetAdapter(internet)) return failed(*call);
  // A route only through the hotspot itself leads nowhere.
  if (internet.empty() || sameGuid(internet, hosted)) {
    return outcomeOf(SharingOutcome::Kind::NoInternet);
  }

  std::vector<SharedConnection> connections;
  if (const SharingCall call = sharing.listConnections(connections)) return failed(*call);
  const auto hostedIndex = indexOf(connections, hosted);
  if (!hostedIndex) return outcomeOf(SharingOutcome::Kind::HostedNotListed);
  const auto internetIndex = indexOf(connections, internet);
  if (!internetIndex) return outcomeOf(SharingOutcome::Kind::InternetNotListed);
  if (connections[*internetIndex].role == SharingRole::Public &&
      connections[*hostedIndex].role == SharingRole::Private) {
    return outcomeOf(SharingOutcome::Kind::Shared);
  }

  // Enabling while another pair is shared fails (0x80040201).
  for (std::size_t i = 0; i < connections.size(); ++i) {
    if (connections[i].role == SharingRole::None) continue;
    if (const SharingCall call = sharing.disableSharing(i)) return failed(*call);
  }
  if (const SharingCall call = sharing.enableSharing(*internetIndex, SharingRole::Public)) {
    return failed(*call);
  }
  if (const SharingCall call = sharing.enableSharing(*hostedIndex, SharingRole::Private)) {
    return failed(*call);
  }
  return outcomeOf(SharingOutcome::Kind::Shared);
}

void stopSharing(ConnectionSharing& sharing) {
  std::u16string hosted;
  std::vector<SharedConnection> connections;
  if (sharing.hostedAdapter(hosted) || sharing.listConnections(connections)) return;
  const auto hostedIndex = indexOf(connections, hosted);
  if (!hostedIndex || connections[*hostedIndex].role != SharingRole::Private) return;
  sharing.disableSharing(*hostedIndex);
  for (std::size_t i = 0; i < connections.size(); ++i) {
    if (connections[i].role == SharingRole::Public) sharing.disableSharing(i);
  }
}

SharingOutcome shareInternetWithHostedNetwork(System& system) {
  // Shared with the job, which may outlive the wait.
  const auto outcome = std::make_shared<SharingOutcome>();
  const bool ended = system.runSharingJob(
      [outcome](ConnectionSharing& sharing) { *outcome = shareInternet(sharing); });
  if (!ended) return outcomeOf(SharingOutcome::Kind::TimedOut);
  SharingOutcome result = *outcome;
  if (result.kind == SharingOutcome::Kind::Failed)
    result.systemText = system.systemMessage(result.code);
  return result;
}

void stopSharingHostedNetwork(System& system) {
  system.runSharingJob([](ConnectionSharing& sharing) { stopSharing(sharing); });
}

}  // namespace vanterel
