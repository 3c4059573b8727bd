#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"

namespace vanterel::e2e {
namespace {

using Sharing = PressTest;
using Changes = std::vector<std::string>;

const std::string kOther = "{0B6F2C11-8D3A-4E57-9C20-3F1A6B4D7E01}";
const std::string kOtherPrivate = "{0B6F2C11-8D3A-4E57-9C20-3F1A6B4D7E02}";
const std::wstring kNotice =
    L"热点已开启，但没能共享网络连接，连上热点的设备暂时不能上网。\r\n\r\n原因：";

// Each case starts (the success box as ever, then a notice or none), and
// stops again; the stand-ins show what the program changed.
TEST_F(Sharing, SharesTheRoutesConnectionAfterAStartAndUndoesItAtStop) {
  const std::string route = routeAdapter();
  const std::string hosted = kHostedAdapter;
  const std::string lowerHosted = "6e1d3a22-5c0b-4f2e-9a41-7d2c8b10e5f3";
  const Changes sharedAnew = {"EnableSharing " + route + " public",
                              "EnableSharing " + hosted + " private"};
  const Changes undone = {"DisableSharing " + hosted, "DisableSharing " + route};
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
       {{kOther, "public"}, {route}, {hosted}, {kOtherPrivate, "private"}},
       {},
       {"DisableSharing " + kOther, "DisableSharing " + kOtherPrivate, sharedAnew[0],
        sharedAnew[1]},
       L"",
       undone},
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
    if (c.atStop.empty()) continue;
    for (const auto& connection : sharingNow().connections) {
      EXPECT_EQ(connection.role, "none") << connection.guid;
    }
  }
}

}  // namespace
}  // namespace vanterel::e2e
