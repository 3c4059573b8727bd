#include "hotspot/hotspot_watch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "hotspot/connected_devices.h"
#include "hotspot/start_stop.h"
#include "tests/hotspot/fake_main_window.h"
#include "tests/hotspot/fake_system.h"

namespace vanterel {
namespace {

using State = HostedNetworkStatus::State;

const std::u16string kIdle = u"热点未开启";

// A window running its hotspot, started the given way.
void startRunning(FakeMainWindow& form, FakeSystem& system, HotspotStart way) {
  if (way == HotspotStart::MobileHotspot) {
    system.hostedNetwork = hostedNetworkIn(State::Unavailable);
    system.mobileHotspotPresent = true;
    system.commandOutcome = [](const std::u16string& line) {
      return exitedWith(line == u"cmd /c netsh wlan start hostednetwork" ? 1 : 0);
    };
  } else {
    system.hostedNetwork = hostedNetworkIn(State::Active);
  }
  form.type(Control::Text1, u"VanterelNet");
  form.type(Control::Text2, u"0123456789abcdef");
  Command1_Click(form, system, form.session);
  ASSERT_EQ(form.session.way, way);
  form.boxes.clear();
  system.launches.clear();
  system.sharingJobsAfter.clear();
  system.tetheringRequests.clear();
}

HotspotLook lookOf(HotspotStart way, std::optional<HostedNetworkStatus> status,
                   std::optional<TetheringLook> tethering) {
  HotspotLook look;
  look.way = way;
  look.hosted = status;
  look.tethering = tethering;
  return look;
}

TetheringLook tethering(TetheringState state, std::size_t clients = 0) {
  TetheringLook look;
  look.state = state;
  look.clients = clients;
  return look;
}

TEST(HotspotWatch, TheWindowFollowsWhatEachLookSeesAndNeverShowsABox) {
  constexpr auto kHosted = HotspotStart::HostedNetwork;
  constexpr auto kMobile = HotspotStart::MobileHotspot;
  const struct {
    const char* name;
    HotspotStart way;
    HotspotLook look;
    bool asleep;
    bool running;  // afterwards
    std::u16string status;
  } cases[] = {
      {"active, two devices", kHosted, lookOf(kHosted, hostedNetworkIn(State::Active, 2), {}),
       false, true, u"热点已开启，已连接 2 台设备"},
      {"idle: turned off elsewhere", kHosted, lookOf(kHosted, hostedNetworkIn(State::Idle), {}),
       false, false, u"热点已停止：已在别处被关闭"},
      {"unavailable: the adapter went", kHosted,
       lookOf(kHosted, hostedNetworkIn(State::Unavailable), {}), false, false,
       u"热点已停止：无线网卡已关闭或已被移除"},
      {"idle while asleep", kHosted, lookOf(kHosted, hostedNetworkIn(State::Idle), {}), true, true,
       u"热点已开启，已连接 0 台设备"},
      {"wlanapi cannot be asked", kHosted, lookOf(kHosted, std::nullopt, {}), false, true,
       u"热点已开启，已连接 0 台设备"},
      {"on, one client", kMobile, lookOf(kMobile, {}, tethering(TetheringState::On, 1)), false,
       true, u"移动热点已开启，已连接 1 台设备"},
      {"off: turned off elsewhere", kMobile, lookOf(kMobile, {}, tethering(TetheringState::Off)),
       false, false, u"热点已停止：已在别处被关闭"},
      {"in transition", kMobile, lookOf(kMobile, {}, tethering(TetheringState::InTransition)),
       false, true, u"移动热点已开启，已连接 0 台设备"},
      {"unknown state", kMobile, lookOf(kMobile, {}, tethering(TetheringState::Unknown)), false,
       true, u"移动热点已开启，已连接 0 台设备"},
      {"off while asleep", kMobile, lookOf(kMobile, {}, tethering(TetheringState::Off)), true, true,
       u"移动热点已开启，已连接 0 台设备"},
      {"a look made for the other way", kMobile, lookOf(kHosted, hostedNetworkIn(State::Idle), {}),
       false, true, u"移动热点已开启，已连接 0 台设备"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeMainWindow form;
    FakeSystem system;
    ASSERT_NO_FATAL_FAILURE(startRunning(form, system, c.way));
    if (c.asleep) computerSuspends(form.session);
    hotspotLooked(form, system, form.session, c.look);

    EXPECT_TRUE(form.boxes.empty());
    EXPECT_EQ(form.caption(Control::Command1), c.running ? u"关闭无线" : u"一键开启");
    EXPECT_EQ(form.enabled(Control::Text1), c.running ? kFalse : kTrue);
    EXPECT_EQ(form.session.way, c.running ? c.way : HotspotStart::NotStarted);
    EXPECT_EQ(form.caption(Control::Label7), c.status);
    // Stopped without a press: given back as a stop gives back.
    const bool givenBack = !c.running;
    EXPECT_EQ(system.sharingJobsAfter.size(), givenBack && c.way == kHosted ? 1u : 0u);
    EXPECT_EQ(!system.tetheringRequests.empty(), givenBack && c.way == kMobile);
    EXPECT_TRUE(system.launches.empty()) << "nothing to stop";

    // Looks while idle change nothing; the next press clears the status.
    if (!c.running) {
      hotspotLooked(form, system, form.session, c.look);
      EXPECT_EQ(form.caption(Control::Label7), c.status);
      form.type(Control::Text1, u"");
      Command1_Click(form, system, form.session);
      EXPECT_EQ(form.caption(Control::Label7), kIdle);
    }
  }
}

TEST(HotspotWatch, LooksInTheBackgroundOnlyWhileRunningAndFollowsTheAnswer) {
  FakeMainWindow form;
  FakeSystem system;
  lookAtRunningHotspot(form, system, form.session);
  EXPECT_EQ(system.backgroundJobs, 0u);

  ASSERT_NO_FATAL_FAILURE(startRunning(form, system, HotspotStart::HostedNetwork));
  system.hostedNetwork = hostedNetworkIn(State::Active, 2);
  system.windowBusy = true;  // a handler runs when the answer comes: it is dropped
  lookAtRunningHotspot(form, system, form.session);
  EXPECT_EQ(form.caption(Control::Label7), u"热点已开启，已连接 0 台设备");
  system.windowBusy = false;
  lookAtRunningHotspot(form, system, form.session);
  EXPECT_EQ(system.backgroundJobs, 2u);
  EXPECT_EQ(form.caption(Control::Label7), u"热点已开启，已连接 2 台设备");
}

TEST(HotspotWatch, AfterAResumeAHotspotThatStoppedStartsAgainOrTheWindowSaysWhyNot) {
  constexpr auto kHosted = HotspotStart::HostedNetwork;
  constexpr auto kMobile = HotspotStart::MobileHotspot;
  const std::u16string netshRefuses = u"无法启动承载网络。\r\n组或资源的状态不正确。";
  const struct {
    const char* name;
    HotspotStart way;
    std::optional<HostedNetworkStatus> wlanapiAfter;
    bool mobileOnAfter;
    bool restartFails;
    std::size_t launches;
    bool running;
    std::u16string status;
  } cases[] = {
      {"still active", kHosted, hostedNetworkIn(State::Active, 1), false, false, 0, true,
       u"热点已开启，已连接 1 台设备"},
      {"stopped, started again", kHosted, hostedNetworkIn(State::Idle), false, false, 1, true,
       u"热点已开启，已连接 0 台设备"},
      {"stopped, its adapter never came back", kHosted, hostedNetworkIn(State::Unavailable), false,
       true, 5, false, u"热点已停止：睡眠后没能重新开启（无法启动承载网络。）"},
      {"Mobile hotspot still on", kMobile, std::nullopt, true, false, 0, true,
       u"移动热点已开启，已连接 0 台设备"},
      {"Mobile hotspot off, started again", kMobile, std::nullopt, false, false, 0, true,
       u"移动热点已开启，已连接 0 台设备"},
      {"Mobile hotspot off, refused", kMobile, std::nullopt, false, true, 0, false,
       u"热点已停止：睡眠后没能重新开启（无线已关闭。请打开无线后再试。）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeMainWindow form;
    FakeSystem system;
    ASSERT_NO_FATAL_FAILURE(startRunning(form, system, c.way));
    computerSuspends(form.session);
    system.hostedNetwork = c.wlanapiAfter;
    system.mobileHotspotOn = c.mobileOnAfter;
    if (c.restartFails) {
      system.commandOutcome = [&](const std::u16string&) { return exitedWith(1, netshRefuses); };
      system.tetheringAnswer.outcome = TetheringRun::Outcome::Refused;
      system.tetheringAnswer.status = TetheringStatus::WiFiDeviceOff;
    } else {
      system.commandOutcome = nullptr;
    }
    computerResumed(form, system, form.session);

    EXPECT_TRUE(form.boxes.empty());
    EXPECT_FALSE(form.session.asleep);
    EXPECT_EQ(system.launches.size(), c.launches);
    for (const auto& launch : system.launches) {
      EXPECT_EQ(launch.commandLine, u"cmd /c netsh wlan start hostednetwork");
      EXPECT_EQ(launch.style, WindowStyle::Hidden);
    }
    // Tried for a few seconds while the adapter comes back.
    if (c.way == kHosted && c.restartFails) {
      EXPECT_EQ(system.pauses.size(), c.launches - 1);
    }
    const bool restarted = c.running && c.launches > 0;
    // Shared again after a restart, or given back after a failed one.
    EXPECT_EQ(system.sharingJobsAfter.size(),
              restarted || (!c.running && c.way == kHosted) ? 1u : 0u);
    EXPECT_EQ(form.caption(Control::Command1), c.running ? u"关闭无线" : u"一键开启");
    EXPECT_EQ(form.caption(Control::Label7), c.status);
  }
}

TEST(ConnectedDevices, OneLineADeviceAsWindowsWritesItsAddress) {
  EXPECT_EQ(macText(u"3c5ab4010203"), u"3C-5A-B4-01-02-03");
  EXPECT_EQ(macText(u"3c:5a:b4:01:02:03"), u"3C-5A-B4-01-02-03");
  EXPECT_EQ(macText(u"3C-5A-B4-01-02-03"), u"3C-5A-B4-01-02-03");
  EXPECT_EQ(macText(u"3c:5a:b4"), u"3c:5a:b4");
  EXPECT_EQ(macText(u"not a mac 12"), u"not a mac 12");
  EXPECT_EQ(devicesText({}), u"还没有设备连接。");
  EXPECT_EQ(devicesText({{u"3c5ab4010203", u"192.168.137.23", u"小米手机"},
                         {u"a0:b1:c2:d3:e4:f5", u"", u""},
                         {u"001122334455", u"", u"iPad"}}),
            u"3C-5A-B4-01-02-03  192.168.137.23  小米手机\r\nA0-B1-C2-D3-E4-F5\r\n"
            u"00-11-22-33-44-55  iPad");
}

// Listed end to end on both ways; here what the end-to-end tests cannot
// reach: idle nothing, and a failed question said.
TEST(ConnectedDevices, TheStatusLineDoesNothingIdleAndSaysWhenTheDevicesCannotBeAsked) {
  FakeMainWindow form;
  FakeSystem system;
  Label7_Click(form, system, form.session);
  EXPECT_TRUE(form.boxes.empty());

  ASSERT_NO_FATAL_FAILURE(startRunning(form, system, HotspotStart::HostedNetwork));
  Label7_Click(form, system, form.session);
  ASSERT_EQ(form.boxes.size(), 1u);
  EXPECT_EQ(form.boxes[0].title, u"已连接的设备");
  EXPECT_EQ(form.boxes[0].prompt, u"没能向系统问到连接着的设备，请稍后再试。");
}

}  // namespace
}  // namespace vanterel
