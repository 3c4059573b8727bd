#include "hotspot/connection_sharing.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "hotspot/program_record.h"
#include "hotspot/step_noting_sharing_calls.h"

namespace vanterel {
namespace {

using Connections = std::vector<SharedConnection>;

std::u16string normalGuid(const std::u16string& guid) {
  std::u16string kept;
  for (char16_t c : guid) {
    if (c == u'{' || c == u'}') continue;
    kept += (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
  }
  return kept;
}

// In braces and upper case, as the record keeps GUIDs.
std::u16string recordGuid(const std::u16string& guid) {
  return guid.empty() ? u"" : u"{" + normalGuid(guid) + u"}";
}

std::optional<std::size_t> indexOf(const Connections& connections, const std::u16string& guid) {
  for (std::size_t i = 0; i < connections.size(); ++i) {
    if (sameGuid(connections[i].guid, guid)) return i;
  }
  return std::nullopt;
}

std::u16string holderOf(const Connections& connections, SharingRole role) {
  for (const auto& connection : connections) {
    if (connection.role == role) return connection.guid;
  }
  return u"";
}

SharingOutcome outcomeOf(SharingOutcome::Kind kind) {
  SharingOutcome outcome;
  outcome.kind = kind;
  return outcome;
}

SharingOutcome failed(const SharingFailure& failure) {
  SharingOutcome outcome = outcomeOf(SharingOutcome::Kind::Failed);
  outcome.step = failure.step;
  outcome.code = failure.code;
  return outcome;
}

// The sharing an earlier start recorded, while the pair shared now is the
// one that start made (its hosted adapter uses the shared connection) and
// every connection it names is still here; otherwise it is stale, and the
// sharing found now is to be recorded instead.
std::optional<SharingRecord> earlierRecord(const ProgramRecord& record,
                                           const Connections& connections) {
  if (!record.sharing) return std::nullopt;
  const SharingRecord& sharing = *record.sharing;
  const auto here = [&](const std::u16string& guid) {
    return guid.empty() || indexOf(connections, guid).has_value();
  };
  const bool startsPairShared =
      !holderOf(connections, SharingRole::Public).empty() &&
      sameGuid(holderOf(connections, SharingRole::Private), sharing.hosted);
  if (!startsPairShared || !here(sharing.hosted) || !here(sharing.sharedPublic) ||
      !here(sharing.sharedPrivate)) {
    return std::nullopt;
  }
  return sharing;
}

// Takes the sharing out of the record: it has been given back.
void forgetSharing(RecordFile& file) {
  auto record = parseProgramRecord(file.read());
  if (!record) {
    file.remove();
    return;
  }
  record->sharing.reset();
  keepProgramRecord(file, *record);
}

// The sharing found now. A pair that is the hotspot's already was shared
// by the program before; there is nothing of the user's to give back then.
SharingRecord recordOfNow(const Connections& connections, const std::u16string& hosted,
                          const std::u16string& internet) {
  SharingRecord record;
  record.hosted = recordGuid(hosted);
  const std::u16string sharedPublic = holderOf(connections, SharingRole::Public);
  const std::u16string sharedPrivate = holderOf(connections, SharingRole::Private);
  if (!sameGuid(sharedPublic, internet) || !sameGuid(sharedPrivate, hosted)) {
    record.sharedPublic = recordGuid(sharedPublic);
    record.sharedPrivate = recordGuid(sharedPrivate);
  }
  return record;
}

SharingRole recordedRole(const SharingRecord& record, const std::u16string& guid) {
  if (sameGuid(record.sharedPublic, guid)) return SharingRole::Public;
  if (sameGuid(record.sharedPrivate, guid)) return SharingRole::Private;
  return SharingRole::None;
}

// Shares the recorded pair again where it is not shared so, the public side
// first; a connection that is gone is left out.
std::optional<SharingFailure> giveBack(SharingCalls& sharing, const SharingRecord& record) {
  Connections connections;
  if (const auto failure = sharing.listConnections(connections)) return failure;
  const struct {
    const std::u16string& guid;
    SharingRole role;
    SharingStep step;
  } sides[] = {{record.sharedPublic, SharingRole::Public, SharingStep::RestorePublic},
               {record.sharedPrivate, SharingRole::Private, SharingStep::RestorePrivate}};
  for (const auto& side : sides) {
    const auto index = indexOf(connections, side.guid);
    if (!index || connections[*index].role == side.role) continue;
    if (const auto failure = sharing.enableSharing(*index, side.role)) {
      return SharingFailure{side.step, failure->code};
    }
  }
  return std::nullopt;
}

// After a start failed half way: turns off what is shared otherwise than
// recorded, then shares the recorded pair again. The record goes once the
// sharing is as it was found; when that fails, the stop tries again.
void undo(SharingCalls& sharing, RecordFile& file, const SharingRecord& record) {
  Connections connections;
  if (const auto failure = sharing.listConnections(connections)) return;
  for (std::size_t i = 0; i < connections.size(); ++i) {
    const SharedConnection& connection = connections[i];
    if (connection.role == SharingRole::None) continue;
    if (connection.role == recordedRole(record, connection.guid)) continue;
    if (const auto failure = sharing.disableSharing(i)) return;
  }
  const auto failure = giveBack(sharing, record);
  if (!failure) forgetSharing(file);
}

// Runs the decision on the system's sharing calls, within their time, and
// adds the system's words for a failed call. A decision that threw failed
// at the step it was on.
SharingOutcome runSharingDecision(System& system,
                                  SharingOutcome (*decision)(SharingCalls&, RecordFile&),
                                  bool givesBack) {
  struct Progress {
    SharingStep step = SharingStep::FindHostedAdapter;
    SharingOutcome outcome;
  };
  // Shared with the job, which may outlive the wait.
  const auto progress = std::make_shared<Progress>();
  RecordFile& file = system.recordFile();
  const JobEnd end =
      system.runSharingJob([progress, decision, givesBack, &file](SharingCalls& sharing) {
        StepNotingSharingCalls noting(sharing, givesBack, progress->step);
        progress->outcome = decision(noting, file);
      });
  if (end.kind == JobEnd::Kind::TimedOut) return outcomeOf(SharingOutcome::Kind::TimedOut);
  SharingOutcome result = end.kind == JobEnd::Kind::Failed
                              ? failed(SharingFailure{progress->step, end.error})
                              : progress->outcome;
  if (result.kind == SharingOutcome::Kind::Failed) {
    result.systemText = system.systemMessage(result.code);
  }
  return result;
}

}  // namespace

bool sameGuid(const std::u16string& a, const std::u16string& b) {
  return !a.empty() && normalGuid(a) == normalGuid(b);
}

SharingOutcome shareInternet(SharingCalls& sharing, RecordFile& file) {
  std::u16string hosted;
  if (const auto failure = sharing.hostedAdapter(hosted)) return failed(*failure);
  std::u16string internet;
  if (const auto failure = sharing.internetAdapter(internet)) return failed(*failure);
  // A route only through the hotspot itself leads nowhere.
  if (internet.empty() || sameGuid(internet, hosted)) {
    return outcomeOf(SharingOutcome::Kind::NoInternet);
  }

  Connections connections;
  if (const auto failure = sharing.listConnections(connections)) return failed(*failure);
  const auto hostedIndex = indexOf(connections, hosted);
  if (!hostedIndex) return outcomeOf(SharingOutcome::Kind::HostedNotListed);
  const auto internetIndex = indexOf(connections, internet);
  if (!internetIndex) return outcomeOf(SharingOutcome::Kind::InternetNotListed);

  // Kept before anything changes, and kept across starts: a second start
  // must not take the hotspot's own pair for the user's. When the file
  // cannot be written the start goes on; only a stop in a later run of
  // the program then has nothing to give back.
  ProgramRecord kept = parseProgramRecord(file.read()).value_or(ProgramRecord{});
  std::optional<SharingRecord> record = earlierRecord(kept, connections);
  if (!record) {
    record = kept.sharing = recordOfNow(connections, hosted, internet);
    keepProgramRecord(file, kept);
  }
  if (connections[*internetIndex].role == SharingRole::Public &&
      connections[*hostedIndex].role == SharingRole::Private) {
    return outcomeOf(SharingOutcome::Kind::Shared);
  }

  const auto undone = [&](const SharingFailure& failure) {
    undo(sharing, file, *record);
    return failed(failure);
  };
  // Enabling while another pair is shared fails (0x80040201).
  for (std::size_t i = 0; i < connections.size(); ++i) {
    if (connections[i].role == SharingRole::None) continue;
    if (const auto failure = sharing.disableSharing(i)) return undone(*failure);
  }
  if (const auto failure = sharing.enableSharing(*internetIndex, SharingRole::Public)) {
    return undone(*failure);
  }
  if (const auto failure = sharing.enableSharing(*hostedIndex, SharingRole::Private)) {
    return undone(*failure);
  }
  return outcomeOf(SharingOutcome::Kind::Shared);
}

SharingOutcome stopSharing(SharingCalls& sharing, RecordFile& file) {
  const auto found = parseProgramRecord(file.read());
  const std::optional<SharingRecord> record = found ? found->sharing : std::nullopt;
  // Without a record there is nothing to give back, and nothing to tell.
  const auto ended = [&](const std::optional<SharingFailure>& failure) {
    if (!record) return outcomeOf(SharingOutcome::Kind::Shared);
    forgetSharing(file);
    return failure ? failed(*failure) : outcomeOf(SharingOutcome::Kind::Shared);
  };

  std::u16string hosted;
  // Stopped outside the program, the hosted network names no adapter.
  if (const auto failure = sharing.hostedAdapter(hosted)) {
    if (!record) return ended(std::nullopt);
    hosted = record->hosted;
  }
  Connections connections;
  if (const auto failure = sharing.listConnections(connections)) return ended(failure);
  const auto hostedIndex = indexOf(connections, hosted);
  if (hostedIndex && connections[*hostedIndex].role == SharingRole::Private) {
    std::optional<SharingFailure> firstFailure = sharing.disableSharing(*hostedIndex);
    for (std::size_t i = 0; i < connections.size(); ++i) {
      if (connections[i].role != SharingRole::Public) continue;
      const auto failure = sharing.disableSharing(i);
      if (!firstFailure) firstFailure = failure;
    }
    if (firstFailure) return ended(firstFailure);
  }
  if (!record) return ended(std::nullopt);
  return ended(giveBack(sharing, *record));
}

SharingOutcome shareInternetWithHostedNetwork(System& system) {
  // Windows makes the hosted network's adapter when the network first
  // starts, and the sharing manager may list it only a moment later.
  constexpr int kListings = 10;
  constexpr std::chrono::milliseconds kBetweenListings{500};
  SharingOutcome outcome = runSharingDecision(system, shareInternet, false);
  for (int listed = 1; outcome.kind == SharingOutcome::Kind::HostedNotListed && listed < kListings;
       ++listed) {
    system.pause(kBetweenListings);
    outcome = runSharingDecision(system, shareInternet, false);
  }
  return outcome;
}

SharingOutcome stopSharingHostedNetwork(System& system) {
  return runSharingDecision(system, stopSharing, true);
}

}  // namespace vanterel
