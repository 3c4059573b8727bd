#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

using namespace std::chrono_literals;

// A change shows within three seconds.
constexpr auto kChangeShows = 3s;
const std::string kVirtualMachine = "{0B6F2C11-8D3A-4E57-9C20-3F1A6B4D7E01}";
const std::wstring kKey = L"0123456789abcdef";

// The window while it runs its hotspot: the status line follows it, and so
// does the window when the hotspot stops without a press.
class Watch : public PressTest {
 protected:
  std::wstring status() const { return textOf(control(Control::Label7)); }
  bool statusBecomes(const std::wstring& text) {
    return waitUntil([&] { return status() == text; }, kChangeShows);
  }
  void powerBroadcast(WPARAM event) { PostMessageW(window(), WM_POWERBROADCAST, event, 0); }

  // The box a click on the status line shows, dismissed.
  std::wstring devicesListed() {
    clickAt(control(Control::Label7));
    const auto box = waitForBox();
    if (!box) return L"(no box)";
    EXPECT_EQ(box->title, L"已连接的设备");
    dismissExpectingNoOther(*box);
    return box->text;
  }

  void startMobileHotspot() {
    ASSERT_NO_FATAL_FAILURE(setWirelessAdapter(WirelessAdapter::CannotHost));
    ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", kKey));
    const auto started = press();
    ASSERT_TRUE(started.has_value()) << "no message box after pressing the button";
    ASSERT_EQ(started->title, L"成功") << utf8(started->text);
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*started));
  }
};

// Devices come and go; the hosted network then stops by itself (turned off
// elsewhere): the window goes idle, without a box, the user's own pair of
// shared connections back.
TEST_F(Watch, FollowsTheHostedNetworksDevicesAndItsStopWithoutAPress) {
  SharingSetup network = sharingNow();
  network.connections.push_back({kVirtualMachine, "private"});
  network.connections.front().role = "public";
  ASSERT_NO_FATAL_FAILURE(setSharing(network));
  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", kKey));
  EXPECT_EQ(status(), L"热点已开启，已连接 0 台设备");

  ASSERT_NO_FATAL_FAILURE(changeMachine([](NetshState& state) {
    state.peers = {"3C5AB4010203", "a0b1c2d3e4f5"};
  }));
  EXPECT_TRUE(statusBecomes(L"热点已开启，已连接 2 台设备")) << utf8(status());
  EXPECT_EQ(devicesListed(), L"3C-5A-B4-01-02-03\r\nA0-B1-C2-D3-E4-F5");
  ASSERT_NO_FATAL_FAILURE(changeMachine([](NetshState& state) { state.peers.clear(); }));
  EXPECT_TRUE(statusBecomes(L"热点已开启，已连接 0 台设备")) << utf8(status());
  EXPECT_EQ(devicesListed(), L"还没有设备连接。");

  ASSERT_NO_FATAL_FAILURE(changeMachine([](NetshState& state) { state.started = false; }));
  EXPECT_TRUE(statusBecomes(L"热点已停止：已在别处被关闭")) << utf8(status());
  EXPECT_FALSE(findMessageBox(window()).has_value());
  expectIdle();
  for (std::size_t i = 0; i < network.connections.size(); ++i) {
    EXPECT_EQ(sharingNow().connections[i].role, network.connections[i].role)
        << network.connections[i].guid;
  }
  // Clicked idle, the status line shows nothing.
  clickAt(control(Control::Label7));
  ASSERT_NO_FATAL_FAILURE(settle());
  EXPECT_FALSE(findMessageBox(window()).has_value());
}

// Its power saving goes off while it runs; its clients show; turned off
// elsewhere, it has its own settings and power saving back.
TEST_F(Watch, FollowsTheMobileHotspotsClientsAndItsStopWithoutAPress) {
  ASSERT_NO_FATAL_FAILURE(startMobileHotspot());
  EXPECT_EQ(status(), L"移动热点已开启，已连接 0 台设备");
  TetheringState running = tetheringNow();
  EXPECT_FALSE(running.noConnectionsTimeout) << "power saving on while it runs";

  running.clients = {{u"3c:5a:b4:01:02:03", u"192.168.137.23", u"phone"},
                     {u"a0:b1:c2:d3:e4:f5", u"", u""}};
  ASSERT_NO_FATAL_FAILURE(setTethering(running));
  EXPECT_TRUE(statusBecomes(L"移动热点已开启，已连接 2 台设备")) << utf8(status());
  EXPECT_EQ(devicesListed(), L"3C-5A-B4-01-02-03  192.168.137.23  phone\r\nA0-B1-C2-D3-E4-F5");

  running.clients.clear();
  running.state = TetheringState::Operational::Off;
  ASSERT_NO_FATAL_FAILURE(setTethering(running));
  EXPECT_TRUE(statusBecomes(L"热点已停止：已在别处被关闭")) << utf8(status());
  EXPECT_FALSE(findMessageBox(window()).has_value());
  expectIdle();
  const TetheringState after = tetheringNow();
  EXPECT_EQ(after.ssid, TetheringState{}.ssid);
  EXPECT_TRUE(after.noConnectionsTimeout);
}

// What stops while the computer sleeps is the sleep's doing: the resume
// starts the hosted network again.
TEST_F(Watch, AResumeStartsTheHostedNetworkAgain) {
  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", kKey));
  powerBroadcast(PBT_APMSUSPEND);
  ASSERT_NO_FATAL_FAILURE(changeMachine([](NetshState& state) { state.started = false; }));
  Sleep(static_cast<DWORD>(std::chrono::milliseconds(kChangeShows).count()));
  expectRunning();

  const std::size_t launched = netshInvocations().size();
  powerBroadcast(PBT_APMRESUMEAUTOMATIC);
  ASSERT_TRUE(waitUntil([&] { return netshInvocations().size() > launched; }, kStartTimeout));
  const std::vector<NetshInvocation> after = netshInvocations();
  EXPECT_EQ(netshArguments(after[launched]),
            (std::vector<std::u16string>{u"wlan", u"start", u"hostednetwork"}));
  EXPECT_EQ(netshArguments(after[launched]).size(), 3u);
  EXPECT_TRUE(statusBecomes(L"热点已开启，已连接 0 台设备")) << utf8(status());
  expectRunning();
  EXPECT_FALSE(findMessageBox(window()).has_value());
}

// The Mobile hotspot turned itself off (its own timeout, say) and the
// press came before the window noticed (the computer asleep keeps it from
// noticing): the stop is a stop, with its own settings back.
TEST_F(Watch, AStopAfterTheMobileHotspotTurnedItselfOffIsClean) {
  ASSERT_NO_FATAL_FAILURE(startMobileHotspot());
  powerBroadcast(PBT_APMSUSPEND);
  TetheringState off = tetheringNow();
  off.state = TetheringState::Operational::Off;
  ASSERT_NO_FATAL_FAILURE(setTethering(off));

  const auto stopped = press();
  ASSERT_TRUE(stopped.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(stopped->title, L"成功");
  EXPECT_EQ(stopped->text, L"wifi已关闭");
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*stopped));
  expectIdle();
  EXPECT_EQ(status(), L"热点未开启");
  EXPECT_TRUE(launchedByPress().empty());
  EXPECT_EQ(tetheringNow().ssid, TetheringState{}.ssid);
  EXPECT_TRUE(tetheringNow().noConnectionsTimeout);
}

}  // namespace
}  // namespace vanterel::e2e
