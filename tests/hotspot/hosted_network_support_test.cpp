#include "hotspot/hosted_network_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "hotspot/start_stop.h"
#include "tests/hotspot/fake_main_window.h"
#include "tests/hotspot/fake_system.h"

namespace vanterel {
namespace {

using State = HostedNetworkStatus::State;

// netsh in a language the program does not read: Japanese.
const std::u16string kJapaneseFailure = u"ホストされたネットワークを開始できませんでした。";
const std::u16string kJapaneseDrivers = u"ホストされたネットワークのサポート  : いいえ\r\n";

const std::u16string kNoAdapter = u"这台电脑没有可用的无线网卡";
const std::u16string kNotAllowed = u"这台电脑不允许使用承载网络";
const std::u16string kCannotHost = u"这块无线网卡的驱动不支持承载网络";
const std::u16string kRadioOrRetry = u"请确认无线已打开（飞行模式已关闭）后再试";

HostedNetworkStatus status(std::size_t adapters, bool allowed, bool radioOn, State state) {
  HostedNetworkStatus answer;
  answer.adapters = adapters;
  answer.allowed = allowed;
  answer.radioOn = radioOn;
  answer.state = state;
  return answer;
}

TEST(HostedNetworkSupport, AFailedStartIsExplainedByWlanapiWhateverLanguageNetshWrites) {
  const struct {
    const char* name;
    std::optional<HostedNetworkStatus> wlanapi;
    bool mobileHotspot;
    std::u16string advice;  // empty: the Mobile hotspot starts instead
    bool asksNetsh;
  } cases[] = {
      {"cannot host", status(1, true, true, State::Unavailable), true, u"", false},
      {"cannot host, no Mobile hotspot", status(1, true, true, State::Unavailable), false,
       kCannotHost, false},
      {"no adapter", status(0, false, false, State::Unavailable), true, kNoAdapter, false},
      {"mode not allowed", status(1, false, true, State::Unavailable), true, kNotAllowed, false},
      {"radio off", status(2, true, false, State::Unavailable), true, kRadioOrRetry, false},
      {"can host, idle", status(1, true, true, State::Idle), true, kRadioOrRetry, false},
      // wlanapi missing or a call failed: netsh's words, unread here.
      {"wlanapi cannot be asked", std::nullopt, true, u"", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeMainWindow form;
    FakeSystem system;
    system.hostedNetwork = c.wlanapi;
    system.mobileHotspotPresent = c.mobileHotspot;
    system.commandOutcome = [](const std::u16string& line) {
      if (line == u"cmd /c netsh wlan start hostednetwork") return exitedWith(1, kJapaneseFailure);
      return exitedWith(0, line == u"cmd /c netsh wlan show drivers" ? kJapaneseDrivers : u"");
    };
    form.type(Control::Text1, u"VanterelNet");
    form.type(Control::Text2, u"0123456789abcdef");
    Command1_Click(form, system, form.session);

    EXPECT_EQ(system.launches.size(), c.asksNetsh ? 5u : 4u);
    ASSERT_EQ(form.boxes.size(), 1u);
    if (c.wlanapi && c.advice.empty()) {
      EXPECT_EQ(form.boxes[0].title, u"成功");
      EXPECT_FALSE(system.tetheringRequests.empty());
    } else {
      // netsh's own words stay in the message, the advice after them.
      EXPECT_EQ(form.boxes[0].title, u"错误");
      const std::u16string& prompt = form.boxes[0].prompt;
      EXPECT_NE(prompt.find(kJapaneseFailure), std::u16string::npos);
      EXPECT_NE(prompt.find(c.advice), std::u16string::npos) << testing::PrintToString(prompt);
      EXPECT_TRUE(system.tetheringRequests.empty());
    }
  }
}

}  // namespace
}  // namespace vanterel
