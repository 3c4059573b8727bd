#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

using Sharing = PressTest;
using Changes = std::vector<std::string>;

const std::string kOther = "{0B6F2C11-8D3A-4E57-9C20-3F1A6B4D7E01}";
const std::string kOtherPrivate = "{0B6F2C11-8D3A-4E57-9C20-3F1A6B4D7E02}";
const std::wstring kNotice =
    L"热点已开启，但没能共享网络连接，连上热点的设备暂时不能上网。\r\n\r\n原因：";

// Each case starts (the success box as ever, then a notice or none), and
// stops again; the stand-ins show what the program changed, and the user's
// own pair is shared again at the end.
TEST_F(Sharing, SharesTheRoutesConnectionAfterAStartAndUndoesItAtStop) {
  const std::string route = routeAdapter();
  const std::string hosted = kHostedAdapter;
  const std::string lowerHosted = "6e1d3a22-5c0b-4f2e-9a41-7d2c8b10e5f3";
  const Changes sharedAnew = {"EnableSharing " + route + " public",
                              "EnableSharing " + hosted + " private"};
  const Changes undone = {"DisableSharing " + hosted, "DisableSharing " + route};
  const std::vector<SharingSetup::Connection> usersPair = {
      {kOther, "public"}, {route}, {hosted}, {kOtherPrivate, "private"}};
  const struct {
    const char* name;
    std::string hostedAdapter;
    std::vector<SharingSetup::Connection> connections;
    std::vector<SharingSetup::Failure> failures;
    Changes atStart;
    std::wstring reason;  // empty: no notice
    Changes atStop;
  } cases[] = {
      {"nothing shared", hosted, {{kOther}, {route}, {hosted}}, {}, sharedAnew, L"", undone},
      {"already shared",
       hosted,
       {{route, "public"}, {lowerHosted, "private"}},
       {},
       {},
       L"",
       {"DisableSharing " + lowerHosted, "DisableSharing " + route}},
      {"another pair shared",
       hosted,
       usersPair,
       {},
       {"DisableSharing " + kOther, "DisableSharing " + kOtherPrivate, sharedAnew[0],
        sharedAnew[1]},
       L"",
       {undone[0], undone[1], "EnableSharing " + kOther + " public",
        "EnableSharing " + kOtherPrivate + " private"}},
      {"the hotspot's side refused, the user's pair shared again",
       hosted,
       usersPair,
       {{"EnableSharingPrivate:" + hosted, 0x80070005}},
       {"DisableSharing " + kOther, "DisableSharing " + kOtherPrivate, sharedAnew[0],
        "DisableSharing " + route, "EnableSharing " + kOther + " public",
        "EnableSharing " + kOtherPrivate + " private"},
       L"让承载网络使用共享的连接失败：",
       {}},
      {"no route but through the hotspot",
       route,
       {{route}, {kOther}},
       {},
       {},
       L"这台电脑现在没有连接到互联网。",
       {}},
      {"hosted adapter unknown",
       hosted,
       {{route}, {kOther}},
       {},
       {},
       L"网络共享管理器的网络连接中没有承载网络的网卡。",
       {}},
      {"sharing refused",
       hosted,
       {{route}, {hosted}},
       {{"EnableSharing", 0x80070005}},
       {},
       L"共享连接互联网的网络连接失败：",
       {}},
      {"sharing manager missing",
       hosted,
       {{route}, {hosted}},
       {{"CreateInstance", 0x80040154}},
       {},
       L"打开网络共享管理器失败：",
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SharingSetup network;
    network.hosted = c.hostedAdapter;
    network.connections = c.connections;
    network.failures = c.failures;
    ASSERT_NO_FATAL_FAILURE(setSharing(network));
    const std::size_t before = sharingChanges().size();

    ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", L"0123456789abcdef"));
    const auto started = press();
    ASSERT_TRUE(started.has_value()) << "no message box after pressing the button";
    EXPECT_EQ(started->title, L"成功") << utf8(started->text);
    if (c.reason.empty()) {
      ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*started));
    } else {
      ASSERT_NO_FATAL_FAILURE(dismiss(*started));
      const auto notice = waitForBox();
      ASSERT_TRUE(notice.has_value()) << "no notice after the success box";
      EXPECT_EQ(notice->title, L"提示");
      EXPECT_EQ(notice->buttons.size(), 1u);
      EXPECT_EQ(notice->text.rfind(kNotice + c.reason, 0), 0u) << utf8(notice->text);
      for (const auto& failure : c.failures) {
        wchar_t code[32];
        swprintf(code, 32, L"（错误代码 0x%08X）", static_cast<unsigned>(failure.code));
        EXPECT_NE(notice->text.find(code), std::wstring::npos) << utf8(notice->text);
      }
      ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*notice));
    }
    expectRunning();
    Changes changes = sharingChanges();
    EXPECT_EQ(Changes(changes.begin() + static_cast<std::ptrdiff_t>(before), changes.end()),
              c.atStart);

    ASSERT_NO_FATAL_FAILURE(expectStopToIdle());
    const std::size_t changesAtStart = before + c.atStart.size();
    changes = sharingChanges();
    ASSERT_GE(changes.size(), changesAtStart);
    EXPECT_EQ(Changes(changes.begin() + static_cast<std::ptrdiff_t>(changesAtStart), changes.end()),
              c.atStop);
    // As found, but for the hotspot's own pair.
    const auto now = sharingNow().connections;
    ASSERT_EQ(now.size(), c.connections.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
      const std::string& guid = c.connections[i].guid;
      const bool hotspots = guid == route || guid == hosted || guid == lowerHosted;
      EXPECT_EQ(now[i].role, hotspots ? "none" : c.connections[i].role) << guid;
    }
  }
}

// The network with a pair of the user's shared, before any start.
SharingSetup withUsersPair(SharingSetup network) {
  network.connections.insert(network.connections.begin(), {kOther, "public"});
  network.connections.push_back({kOtherPrivate, "private"});
  return network;
}

// The pair the user had outlives the window: a start, the window closed
// and opened again, a start that finds the sharing done, and the stop gives
// it back. When giving it back fails, a notice follows the stop's box.
TEST_F(Sharing, TheUsersPairIsGivenBackAfterTheWindowWasClosedAndTellsWhenItCannotBe) {
  const SharingSetup network = withUsersPair(sharingNow());
  ASSERT_NO_FATAL_FAILURE(setSharing(network));

  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", L"0123456789abcdef"));
  closeWindow(window());
  ASSERT_TRUE(process().waitForExit(10s)) << "the program is still running";
  EXPECT_NE(GetFileAttributesW(sharingRecordPath().c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_NO_FATAL_FAILURE(openProgram());
  const std::size_t shared = sharingChanges().size();
  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", L"0123456789abcdef"));
  EXPECT_EQ(sharingChanges().size(), shared);
  ASSERT_NO_FATAL_FAILURE(expectStopToIdle());
  const auto given = sharingNow().connections;
  ASSERT_EQ(given.size(), network.connections.size());
  for (std::size_t i = 0; i < given.size(); ++i) {
    EXPECT_EQ(given[i].role, network.connections[i].role) << given[i].guid;
  }
  EXPECT_EQ(GetFileAttributesW(sharingRecordPath().c_str()), INVALID_FILE_ATTRIBUTES);

  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", L"0123456789abcdef"));
  SharingSetup refusing = sharingNow();
  refusing.failures = {{"EnableSharingPublic", 0x80070005}};
  ASSERT_NO_FATAL_FAILURE(setSharing(refusing));
  const auto stopped = press();
  ASSERT_TRUE(stopped.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(stopped->text, L"wifi已关闭");
  ASSERT_NO_FATAL_FAILURE(dismiss(*stopped));
  const auto notice = waitForBox();
  ASSERT_TRUE(notice.has_value()) << "no notice after the stop's box";
  EXPECT_EQ(notice->title, L"提示");
  EXPECT_EQ(
      notice->text.rfind(L"热点已关闭，但没能恢复原来的网络连接共享。\r\n\r\n原因：重新共享原来"
                         L"共享的网络连接失败：",
                         0),
      0u)
      << utf8(notice->text);
  EXPECT_NE(notice->text.find(L"（错误代码 0x80070005）"), std::wstring::npos);
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*notice));
  expectIdle();
}

// A program ended without a stop (a crash, a power cut) leaves its record;
// the user then shares another pair. The next start's record is stale: the
// stop gives back the pair the user shared last.
TEST_F(Sharing, AStaleRecordGivesWayToThePairSharedSince) {
  const SharingSetup network = withUsersPair(sharingNow());
  ASSERT_NO_FATAL_FAILURE(setSharing(network));
  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", L"0123456789abcdef"));
  process().terminate();

  // The Internet shared with a virtual machine's adapter.
  SharingSetup since = sharingNow();
  for (auto& connection : since.connections) {
    connection.role = connection.guid == routeAdapter() ? "public"
                      : connection.guid == kOther       ? "private"
                                                        : "none";
  }
  ASSERT_NO_FATAL_FAILURE(setSharing(since));
  ASSERT_NO_FATAL_FAILURE(openProgram());
  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", L"0123456789abcdef"));
  ASSERT_NO_FATAL_FAILURE(expectStopToIdle());
  for (const auto& connection : sharingNow().connections) {
    EXPECT_EQ(connection.role, connection.guid == routeAdapter() ? "public"
                               : connection.guid == kOther       ? "private"
                                                                 : "none")
        << connection.guid;
  }
}

}  // namespace
}  // namespace vanterel::e2e
