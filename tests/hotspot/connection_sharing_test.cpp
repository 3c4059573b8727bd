#include "hotspot/connection_sharing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/hotspot/fake_sharing.h"

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
    std::optional<SharingCallFailure> failing;
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
    sharing.connections = c.before;
    sharing.internet = c.internet;
    const SharingOutcome outcome = shareInternet(sharing);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(sharing.changes, c.changes);
  }
}

TEST(ShareInternet, AFailedCallEndsTheSharingAndNamesItsStepAndCode) {
  const struct {
    SharingStep step;
    std::size_t changesMade;
  } cases[] = {
      {SharingStep::FindHostedAdapter, 0},  {SharingStep::FindInternetConnection, 0},
      {SharingStep::OpenSharingManager, 0}, {SharingStep::ListConnections, 0},
      {SharingStep::ReadConnection, 0},     {SharingStep::ReadSharing, 0},
      {SharingStep::DisableSharing, 1},     {SharingStep::SharePublic, 2},
      {SharingStep::SharePrivate, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.step));
    FakeSharing sharing;
    sharing.connections = {{kOther, Role::Public}, {kInternet, Role::None}, {kHosted, Role::None}};
    sharing.failing = SharingCallFailure{c.step, kAccessDenied};
    const SharingOutcome outcome = shareInternet(sharing);
    EXPECT_EQ(outcome.kind, Kind::Failed);
    EXPECT_EQ(outcome.step, c.step);
    EXPECT_EQ(outcome.code, kAccessDenied);
    EXPECT_EQ(sharing.changes.size(), c.changesMade);
  }
}

TEST(StopSharing, UndoesOnlyAPairWhoseHostedAdapterIsPrivate) {
  const struct {
    const char* name;
    std::vector<SharedConnection> before;
    std::optional<SharingCallFailure> failing;
    std::vector<std::u16string> changes;
  } cases[] = {
      {"shared pair",
       {{kOther, Role::None}, {kInternet, Role::Public}, {kHosted, Role::Private}},
       {},
       {u"off " + kHosted, u"off " + kInternet}},
      {"turning off fails, the other side still tried",
       {{kInternet, Role::Public}, {kHosted, Role::Private}},
       SharingCallFailure{SharingStep::DisableSharing, kAccessDenied},
       {u"off " + kHosted, u"off " + kInternet}},
      {"someone else's pair",
       {{kOther, Role::Public}, {kOtherPrivate, Role::Private}, {kHosted}},
       {},
       {}},
      {"hosted adapter public", {{kHosted, Role::Public}, {kOther, Role::Private}}, {}, {}},
      {"hosted adapter unknown", {{kInternet, Role::Public}, {kOther, Role::Private}}, {}, {}},
      {"hosted network not found",
       {{kInternet, Role::Public}, {kHosted, Role::Private}},
       SharingCallFailure{SharingStep::FindHostedAdapter, kAccessDenied},
       {}},
      {"list fails",
       {{kInternet, Role::Public}, {kHosted, Role::Private}},
       SharingCallFailure{SharingStep::ReadSharing, kAccessDenied},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSharing sharing;
    sharing.connections = c.before;
    sharing.failing = c.failing;
    stopSharing(sharing);
    EXPECT_EQ(sharing.changes, c.changes);
  }
}

}  // namespace
}  // namespace vanterel
