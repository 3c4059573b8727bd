#include "hotspot/connection_sharing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "hotspot/program_record.h"
#include "tests/hotspot/fake_record_file.h"
#include "tests/hotspot/fake_sharing.h"
#include "tests/hotspot/fake_system.h"

namespace vanterel {
namespace {

const std::u16string kHosted = kFakeHostedGuid;
const std::u16string kInternet = kFakeInternetGuid;
const std::u16string kOther = u"{4B1C0D2E-0000-4000-8000-00000000000C}";
const std::u16string kOtherPrivate = u"{4B1C0D2E-0000-4000-8000-00000000000D}";
constexpr std::uint32_t kAccessDenied = 0x80070005;

using Role = SharingRole;
using Kind = SharingOutcome::Kind;

std::vector<SharedConnection> unshared() {
  return {{kOther, Role::None},
          {u"4b1c0d2e-0000-4000-8000-00000000000b", Role::None},
          {kHosted, Role::None}};
}

TEST(ShareInternet, SharesTheRoutesConnectionWithTheHostedAdapterOnlyWhenNeeded) {
  const std::vector<std::u16string> sharedAnew = {u"public " + unshared()[1].guid,
                                                  u"private " + kHosted};
  const struct {
    const char* name;
    std::vector<SharedConnection> before;
    std::u16string internet;
    std::optional<SharingFailure> failing;
    Kind kind;
    std::vector<std::u16string> changes;
  } cases[] = {
      {"nothing shared yet", unshared(), kInternet, {}, Kind::Shared, sharedAnew},
      {"already shared",
       {{kOther, Role::None}, {kInternet, Role::Public}, {u"{" + kHosted.substr(1), Role::Private}},
       u"4B1C0D2E-0000-4000-8000-00000000000B",
       {},
       Kind::Shared,
       {}},
      {"another pair shared",
       {{kOther, Role::Public},
        {kInternet, Role::None},
        {kHosted, Role::None},
        {kOtherPrivate, Role::Private}},
       kInternet,
       {},
       Kind::Shared,
       {u"off " + kOther, u"off " + kOtherPrivate, u"public " + kInternet, u"private " + kHosted}},
      {"the hosted adapter shared as public",
       {{kOther, Role::None}, {kInternet, Role::Private}, {kHosted, Role::Public}},
       kInternet,
       {},
       Kind::Shared,
       {u"off " + kInternet, u"off " + kHosted, u"public " + kInternet, u"private " + kHosted}},
      {"no route", unshared(), u"", {}, Kind::NoInternet, {}},
      {"a route only through the hotspot", unshared(), kHosted, {}, Kind::NoInternet, {}},
      {"hosted adapter missing",
       {{kOther, Role::None}, {kInternet, Role::None}},
       kInternet,
       {},
       Kind::HostedNotListed,
       {}},
      {"Internet connection missing",
       {{kOther, Role::Public}, {kHosted, Role::None}},
       kInternet,
       {},
       Kind::InternetNotListed,
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSharing sharing;
    FakeRecordFile record;
    sharing.connections = c.before;
    sharing.internet = c.internet;
    const SharingOutcome outcome = shareInternet(sharing, record);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(sharing.changes, c.changes);
  }
}

// The user's own pair, shared before any start.
std::vector<SharedConnection> usersPair() {
  return {{kOther, Role::Public}, {kInternet}, {kHosted}, {kOtherPrivate, Role::Private}};
}

std::vector<Role> rolesOf(const FakeSharing& sharing) {
  std::vector<Role> roles;
  for (const auto& connection : sharing.connections) roles.push_back(connection.role);
  return roles;
}

std::string recordOf(const std::u16string& publicGuid, const std::u16string& privateGuid) {
  return formatProgramRecord({SharingRecord{kHosted, publicGuid, privateGuid}, std::nullopt});
}

TEST(ShareInternet, AFailedCallNamesItsStepAndLeavesTheSharingAsItWasFound) {
  const std::vector<Role> found = {Role::Public, Role::None, Role::None, Role::Private};
  const struct {
    SharingStep step;
    std::u16string only;  // empty: the call fails on every connection
    std::vector<Role> after;
    bool recordKept;
  } cases[] = {
      {SharingStep::FindHostedAdapter, u"", found, false},
      {SharingStep::FindInternetConnection, u"", found, false},
      {SharingStep::OpenSharingManager, u"", found, false},
      {SharingStep::ListConnections, u"", found, false},
      {SharingStep::ReadConnection, u"", found, false},
      {SharingStep::ReadSharing, u"", found, false},
      {SharingStep::DisableSharing, u"", found, false},
      {SharingStep::DisableSharing, kOtherPrivate, found, false},
      {SharingStep::SharePublic, kInternet, found, false},
      {SharingStep::SharePrivate, kHosted, found, false},
      // The user's pair cannot be shared again either: the stop tries later.
      {SharingStep::SharePublic, u"", {Role::None, Role::None, Role::None, Role::None}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.step));
    FakeSharing sharing;
    FakeRecordFile record;
    sharing.connections = usersPair();
    sharing.failing = SharingFailure{c.step, kAccessDenied};
    sharing.failingOnly = c.only;
    const SharingOutcome outcome = shareInternet(sharing, record);
    EXPECT_EQ(outcome.kind, Kind::Failed);
    EXPECT_EQ(outcome.step, c.step);
    EXPECT_EQ(outcome.code, kAccessDenied);
    EXPECT_EQ(rolesOf(sharing), c.after);
    EXPECT_EQ(record.text.has_value(), c.recordKept);
  }
}

TEST(ShareInternet, RecordsThePairItFoundAndKeepsAnEarlierStartsRecordWhileItHolds) {
  const std::vector<SharedConnection> hotspots = {
      {kOther}, {kInternet, Role::Public}, {kHosted, Role::Private}, {kOtherPrivate}};
  const std::string earlier = recordOf(kOther, kOtherPrivate);
  const std::string nothingShared = recordOf(u"", u"");
  // Shared after an earlier start's program ended without a stop.
  const std::vector<SharedConnection> anotherPair = {
      {kOther, Role::Private}, {kInternet, Role::Public}, {kHosted}, {kOtherPrivate}};
  const std::string anotherPairRecorded = recordOf(kInternet, kOther);
  const TetheringRecord settings{
      {u"家里", u"own-passphrase", 1}, u"VanterelNet", u"0123456789abcdef"};
  const std::string withSettings =
      formatProgramRecord({SharingRecord{kHosted, kOther, kOtherPrivate}, settings});
  const std::string sharingOnly =
      "Vanterel sharing record 1\r\nhosted=" + std::string(kHosted.begin(), kHosted.end()) +
      "\r\npublic=\r\nprivate=\r\nend\r\n";
  const struct {
    const char* name;
    std::vector<SharedConnection> before;
    std::optional<std::string> record;
    bool writable;
    std::optional<std::string> after;
  } cases[] = {
      {"the user's pair", usersPair(), std::nullopt, true, earlier},
      {"nothing shared", unshared(), std::nullopt, true, nothingShared},
      {"the hotspot's pair, no record", hotspots, std::nullopt, true, nothingShared},
      {"the hotspot's pair, an earlier record", hotspots, earlier, true, earlier},
      {"a record cut short", usersPair(), earlier.substr(0, 60), true, earlier},
      {"not a record", usersPair(), std::string("\xff\xfe<xml/>"), true, earlier},
      {"a record naming a connection that is gone", usersPair(),
       recordOf(u"{4B1C0D2E-0000-4000-8000-0000000000FF}", u""), true, earlier},
      {"the file cannot be written", usersPair(), std::nullopt, false, std::nullopt},
      {"another pair shared since an earlier start: stale", anotherPair, earlier, true,
       anotherPairRecorded},
      {"nothing shared since an earlier start: stale", unshared(), earlier, true, nothingShared},
      {"the Mobile hotspot's settings are kept beside", usersPair(),
       formatProgramRecord({std::nullopt, settings}), true, withSettings},
      {"the earlier sharing-only format, still holding", hotspots, sharingOnly, true, sharingOnly},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSharing sharing;
    FakeRecordFile record;
    sharing.connections = c.before;
    record.text = c.record;
    record.writable = c.writable;
    EXPECT_EQ(shareInternet(sharing, record).kind, Kind::Shared);
    EXPECT_EQ(record.text, c.after);
  }
}

TEST(StopSharing, TurnsTheHotspotsPairOffAndGivesTheRecordedPairBack) {
  const std::vector<SharedConnection> hotspots = {
      {kOther}, {kInternet, Role::Public}, {kHosted, Role::Private}, {kOtherPrivate}};
  const std::string users = recordOf(kOther, kOtherPrivate);
  const std::vector<Role> usersRoles = {Role::Public, Role::None, Role::None, Role::Private};
  const std::vector<Role> none(4, Role::None);
  const SharingFailure refused{SharingStep::SharePublic, kAccessDenied};
  const SharingFailure hostedGone{SharingStep::FindHostedAdapter, 0x8007139F};
  const struct {
    const char* name;
    std::string record;
    std::optional<SharingFailure> failing;
    std::vector<Role> after;
    Kind kind;
    bool recordLeft;
  } cases[] = {
      {"the user's pair", users, {}, usersRoles, Kind::Shared, false},
      {"hosted network stopped elsewhere", users, hostedGone, usersRoles, Kind::Shared, false},
      {"nothing was shared", recordOf(u"", u""), {}, none, Kind::Shared, false},
      {"the user's private side is gone",
       recordOf(kOther, u"{4B1C0D2E-0000-4000-8000-0000000000FF}"),
       {},
       {Role::Public, Role::None, Role::None, Role::None},
       Kind::Shared,
       false},
      {"giving back refused", users, refused, none, Kind::Failed, false},
      // Left for the next start to replace.
      {"a record cut short, hosted network gone",
       users.substr(0, 70),
       hostedGone,
       {Role::None, Role::Public, Role::Private, Role::None},
       Kind::Shared,
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSharing sharing;
    FakeRecordFile record;
    sharing.connections = hotspots;
    record.text = c.record;
    sharing.failing = c.failing;
    if (c.kind == Kind::Failed) sharing.failingOnly = kOther;
    const SharingOutcome outcome = stopSharing(sharing, record);
    EXPECT_EQ(outcome.kind, c.kind);
    if (c.kind == Kind::Failed) {
      EXPECT_EQ(outcome.step, SharingStep::RestorePublic);
    }
    EXPECT_EQ(rolesOf(sharing), c.after);
    EXPECT_EQ(record.text.has_value(), c.recordLeft);
  }
}

// As the Windows side ends a job that throws std::bad_alloc.
TEST(SharingDecisions, AJobThatThrowsFailsAtTheStepItWasOn) {
  const struct {
    bool stop;
    SharingStep throwing;  // as the fake's calls name it
    SharingStep reported;
  } cases[] = {
      {false, SharingStep::FindInternetConnection, SharingStep::FindInternetConnection},
      {false, SharingStep::ReadSharing, SharingStep::ListConnections},
      {false, SharingStep::SharePrivate, SharingStep::SharePrivate},
      {true, SharingStep::DisableSharing, SharingStep::DisableSharing},
      {true, SharingStep::SharePublic, SharingStep::RestorePublic},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.throwing));
    FakeSystem system;
    system.sharing.throwing = c.throwing;
    if (c.stop) {
      system.sharing.connections = {
          {kOther}, {kInternet, Role::Public}, {kHosted, Role::Private}, {kOtherPrivate}};
      system.record.text = recordOf(kOther, kOtherPrivate);
    } else {
      system.sharing.connections = usersPair();
    }
    const SharingOutcome outcome =
        c.stop ? stopSharingHostedNetwork(system) : shareInternetWithHostedNetwork(system);
    EXPECT_EQ(outcome.kind, Kind::Failed);
    EXPECT_EQ(outcome.step, c.reported);
    EXPECT_EQ(outcome.code, 0x8007000Eu);
    EXPECT_EQ(outcome.systemText, system.systemMessage(0x8007000E));
  }
}

// Windows makes the hosted network's adapter at its first start; the
// sharing manager may list it a moment later.
TEST(ShareInternet, LooksForAHostedAdapterNotListedYetForAFewSeconds) {
  FakeSystem system;
  system.sharing.connections = {{kInternet, Role::None}};
  EXPECT_EQ(shareInternetWithHostedNetwork(system).kind, Kind::HostedNotListed);
  EXPECT_EQ(system.sharingJobsAfter.size(), 10u);
  EXPECT_EQ(system.pauses,
            std::vector<std::chrono::milliseconds>(9, std::chrono::milliseconds(500)));

  FakeSystem listed;
  EXPECT_EQ(shareInternetWithHostedNetwork(listed).kind, Kind::Shared);
  EXPECT_EQ(listed.sharingJobsAfter.size(), 1u);
  EXPECT_TRUE(listed.pauses.empty());
}

TEST(StopSharing, UndoesOnlyAPairWhoseHostedAdapterIsPrivate) {
  const struct {
    const char* name;
    std::vector<SharedConnection> before;
    std::optional<SharingFailure> failing;
    std::vector<std::u16string> changes;
  } cases[] = {
      {"shared pair",
       {{kOther, Role::None}, {kInternet, Role::Public}, {kHosted, Role::Private}},
       {},
       {u"off " + kHosted, u"off " + kInternet}},
      {"turning off fails, the other side still tried",
       {{kInternet, Role::Public}, {kHosted, Role::Private}},
       SharingFailure{SharingStep::DisableSharing, kAccessDenied},
       {u"off " + kHosted, u"off " + kInternet}},
      {"someone else's pair",
       {{kOther, Role::Public}, {kOtherPrivate, Role::Private}, {kHosted}},
       {},
       {}},
      {"hosted adapter public", {{kHosted, Role::Public}, {kOther, Role::Private}}, {}, {}},
      {"hosted adapter unknown", {{kInternet, Role::Public}, {kOther, Role::Private}}, {}, {}},
      {"hosted network not found",
       {{kInternet, Role::Public}, {kHosted, Role::Private}},
       SharingFailure{SharingStep::FindHostedAdapter, kAccessDenied},
       {}},
      {"list fails",
       {{kInternet, Role::Public}, {kHosted, Role::Private}},
       SharingFailure{SharingStep::ReadSharing, kAccessDenied},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSharing sharing;
    FakeRecordFile record;
    sharing.connections = c.before;
    sharing.failing = c.failing;
    stopSharing(sharing, record);
    EXPECT_EQ(sharing.changes, c.changes);
  }
}

}  // namespace
}  // namespace vanterel
