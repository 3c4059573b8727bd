#include "hotspot/mobile_hotspot.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "hotspot/mobile_hotspot_limits.h"
#include "hotspot/program_record.h"
#include "hotspot/start_stop.h"
#include "hotspot/tethering_messages.h"
#include "hotspot/tethering_requests.h"
#include "tests/hotspot/fake_main_window.h"
#include "tests/hotspot/fake_system.h"

namespace vanterel {
namespace {

const std::u16string kName = u"VanterelNet";
const std::u16string kKey = u"0123456789abcdef";
const std::u16string kNoHostingDrivers = u"接口名称: WLAN\r\n    支持的承载网络  : 否\r\n";
const std::u16string kNoHostingAdvice =
    u"这块无线网卡的驱动不支持承载网络，无法用这种方式开启热点。";

bool contains(const std::u16string& text, const std::u16string& part) {
  return text.find(part) != std::u16string::npos;
}

// `start hostednetwork` fails; `show drivers` prints the given text.
void failHostingWith(FakeSystem& system, const std::u16string& drivers) {
  system.commandOutcome = [drivers](const std::u16string& line) {
    if (contains(line, u"start hostednetwork")) return exitedWith(1, u"无法启动承载网络。");
    return exitedWith(0, contains(line, u"show drivers") ? drivers : u"");
  };
}

TetheringRun endedWith(TetheringRun::Outcome outcome, TetheringStep step,
                       TetheringStatus status = TetheringStatus::Success,
                       const std::u16string& additional = u"") {
  TetheringRun run;
  run.outcome = outcome;
  run.step = step;
  run.status = status;
  run.additionalMessage = additional;
  return run;
}

void click(FakeMainWindow& form, FakeSystem& system, const std::u16string& name,
           const std::u16string& key) {
  form.type(Control::Text1, name);
  form.type(Control::Text2, key);
  Command1_Click(form, system, form.session);
}

bool isRunning(const FakeMainWindow& form) {
  return form.caption(Control::Command1) == u"关闭无线" && form.enabled(Control::Text1) == kFalse;
}

TEST(MobileHotspot, TakesOverOnlyWhenTheDriverCannotHostAndWindowsHasIt) {
  const struct {
    std::u16string drivers;
    bool present;
    bool takesOver;
    std::u16string advice;
  } cases[] = {
      {kNoHostingDrivers, true, true, u""},
      {kNoHostingDrivers, false, false, kNoHostingAdvice},
      {u"    支持的承载网络  : 是\r\n", true, false, u"无线网卡支持承载网络"},
      {u"系统上没有无线接口。\r\n", true, false, u"没有可用的无线网卡"},
      {u"无法识别的输出\r\n", true, false, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.drivers) + (c.present ? " present" : " absent"));
    FakeMainWindow form;
    FakeSystem system;
    failHostingWith(system, c.drivers);
    system.mobileHotspotPresent = c.present;
    click(form, system, kName, kKey);

    ASSERT_EQ(form.boxes.size(), 1u);
    EXPECT_EQ(isRunning(form), c.takesOver);
    // The Mobile hotspot shares the connection by itself.
    EXPECT_TRUE(system.sharingJobsAfter.empty());
    if (c.takesOver) {
      EXPECT_EQ(system.tetheringRequests,
                (std::vector<std::u16string>{u"configure " + kName + u" " + kKey, u"start",
                                             u"timeout off"}));
      EXPECT_EQ(form.boxes[0].title, u"成功");
      EXPECT_EQ(form.boxes[0].prompt, u"无线局域网开启成功 ssid= " + kName + u"  密码=" + kKey);
    } else {
      EXPECT_TRUE(system.tetheringRequests.empty());
      EXPECT_EQ(form.boxes[0].title, u"错误");
      EXPECT_TRUE(contains(form.boxes[0].prompt, u"启动承载网络")) << "the netsh failure is shown";
      EXPECT_TRUE(contains(form.boxes[0].prompt, c.advice));
    }
  }
}

TEST(MobileHotspot, RefusesWhatItsLimitsForbidBeforeConfiguringAnything) {
  const struct {
    std::u16string name;
    std::u16string key;
    std::u16string refusal;  // empty: accepted
  } cases[] = {
      {std::u16string(32, u'n'), std::u16string(63, u'k'), u""},
      {u"a b", kKey + u" ~!", u""},
      {u" " + kName, kKey, u"无线名称不能以空格开头或结尾"},
      {kName + u" ", kKey, u"无线名称不能以空格开头或结尾"},
      {kName, std::u16string(64, u'k'), u"8 到 63 个英文字母"},
      {kName, kKey + u"密码", u"8 到 63 个英文字母"},
      {kName, kKey + u"\t", u"8 到 63 个英文字母"},
      {kName, u" " + kKey, u"不能以空格开头或结尾"},
      {kName, kKey + u" ", u"不能以空格开头或结尾"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.name) + " " + testing::PrintToString(c.key));
    FakeMainWindow form;
    FakeSystem system;
    failHostingWith(system, kNoHostingDrivers);
    system.mobileHotspotPresent = true;
    click(form, system, c.name, c.key);
    ASSERT_EQ(form.boxes.size(), 1u);
    EXPECT_EQ(system.tetheringRequests.size(), c.refusal.empty() ? 3u : 0u);
    EXPECT_EQ(form.boxes[0].title, c.refusal.empty() ? u"成功" : u"错误");
    EXPECT_TRUE(contains(form.boxes[0].prompt, c.refusal))
        << testing::PrintToString(form.boxes[0].prompt);
    EXPECT_EQ(isRunning(form), c.refusal.empty());
  }
  // Shorter than the window lets through.
  EXPECT_TRUE(mobileHotspotRefusal(kName, u"1234567").find(u"8 到 63") != std::u16string::npos);
  EXPECT_EQ(mobileHotspotRefusal(kName, u"12345678"), u"");
}

TEST(MobileHotspot, EachFailureNamesItsStepAndSaysWhatToDo) {
  using Outcome = TetheringRun::Outcome;
  const struct {
    TetheringRun run;
    std::u16string text;
  } cases[] = {
      {endedWith(Outcome::NoConnection, TetheringStep::Start),
       u"“开启移动热点”失败：移动热点需要共享一个已连接的网络，这台电脑现在没有连接到网络。请先连接"
       u"网络后再试。"},
      {endedWith(Outcome::Refused, TetheringStep::Start, TetheringStatus::WiFiDeviceOff,
                 u"无线电已关闭"),
       u"“开启移动热点”失败：无线已关闭。请打开无线后再试。\r\n\r\n无线电已关闭"},
      {endedWith(Outcome::Refused, TetheringStep::Start, TetheringStatus::Unknown),
       u"没有说明原因"},
      {endedWith(Outcome::Refused, TetheringStep::Start, TetheringStatus::MobileBroadbandDeviceOff),
       u"请打开移动宽带后再试"},
      {endedWith(Outcome::Refused, TetheringStep::Start, TetheringStatus::EntitlementCheckTimeout),
       u"无法联系移动运营商"},
      {endedWith(Outcome::Refused, TetheringStep::Start, TetheringStatus::EntitlementCheckFailure),
       u"运营商不允许"},
      {endedWith(Outcome::Refused, TetheringStep::Stop, TetheringStatus::OperationInProgress),
       u"“关闭移动热点”失败：系统正在切换移动热点，请稍后再试。"},
      {endedWith(Outcome::Refused, TetheringStep::Start, TetheringStatus::BluetoothDeviceOff),
       u"请打开蓝牙后再试"},
      {endedWith(Outcome::Refused, TetheringStep::Start,
                 TetheringStatus::NetworkLimitedConnectivity),
       u"连接受限"},
      {endedWith(Outcome::Refused, TetheringStep::Start, static_cast<TetheringStatus>(42)),
       u"未知的状态 42"},
      {endedWith(Outcome::TimedOut, TetheringStep::Configure),
       u"“设置移动热点”失败：系统在 30 秒内没有完成"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(contains(describeTetheringFailure(c.run), c.text))
        << testing::PrintToString(c.text);
  }
  TetheringRun callFailed = endedWith(Outcome::CallFailed, TetheringStep::Configure);
  callFailed.error = 0x80070005;
  EXPECT_EQ(describeTetheringFailure(callFailed),
            u"“设置移动热点”失败：系统返回错误代码 0x80070005。");

  // A failed start leaves the window idle and shows one box.
  FakeMainWindow form;
  FakeSystem system;
  failHostingWith(system, kNoHostingDrivers);
  system.mobileHotspotPresent = true;
  system.tetheringAnswer = cases[1].run;
  click(form, system, kName, kKey);
  ASSERT_EQ(form.boxes.size(), 1u);
  EXPECT_EQ(form.boxes[0].title, u"错误");
  EXPECT_EQ(form.boxes[0].prompt, cases[1].text);
  EXPECT_FALSE(isRunning(form));
}

// As the Windows side ends a job that throws std::bad_alloc.
TEST(MobileHotspot, ARequestThatThrowsFailsAtTheStepItWasOn) {
  FakeMainWindow form;
  FakeSystem system;
  failHostingWith(system, kNoHostingDrivers);
  system.mobileHotspotPresent = true;
  system.tetheringThrowsAt = TetheringStep::Configure;
  click(form, system, kName, kKey);
  ASSERT_EQ(form.boxes.size(), 1u);
  EXPECT_EQ(form.boxes[0].prompt, u"“设置移动热点”失败：系统返回错误代码 0x8007000E。");
  EXPECT_FALSE(isRunning(form));
}

// Each call's end, as the calls play a run out, gives back that very run.
TEST(MobileHotspot, TheRunSaysAtWhichCallAndHowTheRequestEnded) {
  using Outcome = TetheringRun::Outcome;
  TetheringRun refusedCall = endedWith(Outcome::CallFailed, TetheringStep::Configure);
  refusedCall.error = 0x80070005;
  const TetheringRun cases[] = {
      TetheringRun{},
      endedWith(Outcome::NoConnection, TetheringStep::Start),
      refusedCall,
      endedWith(Outcome::TimedOut, TetheringStep::Configure),
      endedWith(Outcome::TimedOut, TetheringStep::Start),
      endedWith(Outcome::Refused, TetheringStep::Start, TetheringStatus::WiFiDeviceOff, u"关"),
      endedWith(Outcome::Refused, TetheringStep::Stop, TetheringStatus::OperationInProgress),
      endedWith(Outcome::TimedOut, TetheringStep::Stop),
  };
  for (const TetheringRun& played : cases) {
    SCOPED_TRACE(testing::PrintToString(describeTetheringFailure(played)));
    FakeSystem system;
    system.tetheringAnswer = played;
    TetheringRun run;
    system.runTetheringJob(
        [&](TetheringCalls& calls) {
          std::atomic<TetheringStep> step{TetheringStep::Start};
          run = played.step == TetheringStep::Stop
                    ? stopTethering(calls, step)
                    : startTethering(calls, system.record, kName, kKey, step);
          EXPECT_EQ(step, played.step);
        },
        kTetheringStepTimeout);
    EXPECT_EQ(run.outcome, played.outcome);
    EXPECT_EQ(run.step, played.step);
    EXPECT_EQ(run.status, played.status);
    EXPECT_EQ(run.additionalMessage, played.additionalMessage);
    EXPECT_EQ(run.error, played.error);
  }
}

// Whatever the other way is doing, the stop takes the way the start took;
// one that finds its hotspot off already is a stop all the same.
TEST(MobileHotspot, TheStopTakesTheWayTheStartTook) {
  // The fake's own settings, as the start found them.
  const std::u16string kUsersOwnBack = u"configure Windows 热点 7 windows-own-key";
  const struct {
    const char* name;
    bool cannotHost;  // the start took the Mobile hotspot
    bool onAtStop;
    std::vector<std::u16string> requests;
    std::size_t launches;
    std::optional<HostedNetworkStatus::State> hostedAtStop = std::nullopt;
  } cases[] = {
      {"hosted network, Mobile hotspot on", false, true, {}, 1},
      {"hosted network, Mobile hotspot off", false, false, {}, 1},
      {"hosted network active", false, false, {}, 1, HostedNetworkStatus::State::Active},
      {"hosted network found stopped already",
       false,
       false,
       {},
       0,
       HostedNetworkStatus::State::Idle},
      {"Mobile hotspot", true, true, {u"stop", kUsersOwnBack, u"timeout on"}, 0},
      {"Mobile hotspot that turned itself off", true, false, {kUsersOwnBack, u"timeout on"}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeMainWindow form;
    FakeSystem system;
    if (c.cannotHost) {
      failHostingWith(system, kNoHostingDrivers);
      system.mobileHotspotPresent = true;
    }
    click(form, system, u"VanterelNet", kKey);
    ASSERT_TRUE(isRunning(form));
    system.launches.clear();
    system.sharingJobsAfter.clear();
    system.tetheringRequests.clear();
    form.boxes.clear();
    system.mobileHotspotOn = c.onAtStop;
    if (c.hostedAtStop) system.hostedNetwork = hostedNetworkIn(*c.hostedAtStop);

    Command1_Click(form, system, form.session);
    EXPECT_EQ(system.tetheringRequests, c.requests);
    EXPECT_EQ(system.launches.size(), c.launches);
    // Only a hosted network had its connection shared.
    EXPECT_EQ(system.sharingJobsAfter.size(), c.cannotHost ? 0u : 1u);
    ASSERT_EQ(form.boxes.size(), 1u);
    EXPECT_EQ(form.boxes[0].prompt, u"wifi已关闭");
    EXPECT_FALSE(isRunning(form));
    EXPECT_EQ(form.caption(Control::Label7), u"热点未开启");
  }
}

TEST(MobileHotspot, ARefusedStopKeepsTheWindowRunningAndTheNextClickTriesAgain) {
  FakeMainWindow form;
  FakeSystem system;
  failHostingWith(system, kNoHostingDrivers);
  system.mobileHotspotPresent = true;
  click(form, system, kName, kKey);
  ASSERT_TRUE(isRunning(form));
  form.boxes.clear();
  system.tetheringAnswer = endedWith(TetheringRun::Outcome::Refused, TetheringStep::Stop,
                                     TetheringStatus::OperationInProgress);
  Command1_Click(form, system, form.session);
  ASSERT_EQ(form.boxes.size(), 1u);
  EXPECT_TRUE(contains(form.boxes[0].prompt, u"关闭移动热点"));
  EXPECT_TRUE(isRunning(form));

  form.boxes.clear();
  system.tetheringAnswer = TetheringRun{};
  Command1_Click(form, system, form.session);
  ASSERT_EQ(form.boxes.size(), 1u);
  EXPECT_EQ(form.boxes[0].prompt, u"wifi已关闭");
  EXPECT_FALSE(isRunning(form));
}

// A start then a stop through the Mobile hotspot, with the record as it
// is found, and the settings the user may make meanwhile.
TEST(MobileHotspot, GivesTheUsersOwnSettingsBackAtTheStopWhileTheyStillHold) {
  const TetheringSettings users{u"家里", u"users-own-key", 1};
  const TetheringSettings earlierOurs{u"Earlier", u"earlier-key-1234", 1};
  const TetheringSettings usersLater{u"Later", u"later-key-1234", 2};
  const auto recordOf = [](const TetheringSettings& found, const TetheringSettings& given) {
    return formatProgramRecord(
        {std::nullopt, TetheringRecord{found, given.ssid, given.passphrase}});
  };
  const std::u16string notGivenBack =
      u"热点已关闭，但没能恢复移动热点原来的名称和密码。\r\n\r\n原因：设置移动热点失败：（系统对 "
      u"80070005 的说明）（错误代码 0x80070005）";
  const struct {
    const char* name;
    TetheringSettings before;
    std::optional<std::string> record;
    std::optional<TetheringSettings> meanwhile;  // what the user sets while it runs
    bool giveBackFails;
    TetheringSettings after;
    std::u16string notice;
  } cases[] = {
      {"no record", users, std::nullopt, std::nullopt, false, users, u""},
      {"an earlier start's record that holds", earlierOurs, recordOf(users, earlierOurs),
       std::nullopt, false, users, u""},
      {"a stale record", users, recordOf(earlierOurs, usersLater), std::nullopt, false, users, u""},
      {"settings made anew while it ran stay", users, std::nullopt, usersLater, false, usersLater,
       u""},
      {"giving back fails",
       users,
       std::nullopt,
       std::nullopt,
       true,
       {kName, kKey, users.band},
       notGivenBack},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeMainWindow form;
    FakeSystem system;
    failHostingWith(system, kNoHostingDrivers);
    system.mobileHotspotPresent = true;
    system.tetheringSettings = c.before;
    system.record.text = c.record;
    click(form, system, kName, kKey);
    ASSERT_TRUE(isRunning(form));
    EXPECT_EQ(system.tetheringSettings.ssid, kName);
    EXPECT_TRUE(system.record.text.has_value()) << "kept before the change";

    if (c.meanwhile) system.tetheringSettings = *c.meanwhile;
    if (c.giveBackFails) {
      system.tetheringAnswer =
          endedWith(TetheringRun::Outcome::CallFailed, TetheringStep::Configure);
      system.tetheringAnswer.error = 0x80070005;
    }
    form.boxes.clear();
    Command1_Click(form, system, form.session);
    EXPECT_FALSE(isRunning(form));
    EXPECT_EQ(system.tetheringSettings, c.after);
    ASSERT_EQ(form.boxes.size(), c.notice.empty() ? 1u : 2u);
    EXPECT_EQ(form.boxes[0].prompt, u"wifi已关闭");
    if (!c.notice.empty()) {
      EXPECT_EQ(form.boxes[1].title, u"提示");
      EXPECT_EQ(form.boxes[1].prompt, c.notice);
    }
    EXPECT_FALSE(system.record.text.has_value()) << "forgotten after the stop";
  }
}

}  // namespace
}  // namespace vanterel
