#include "hotspot/network_name.h"

#include <gtest/gtest.h>

#include <string>

#include "hotspot/start_stop.h"
#include "tests/hotspot/fake_main_window.h"
#include "tests/hotspot/fake_system.h"

namespace vanterel {
namespace {

const std::u16string kKey = u"0123456789abcdef";
const std::u16string kQuestion = u"仍然使用这个名称吗？";
const std::u16string kTooLong =
    u"无线名称太长：Windows 会按本机的编码发送名称，最多 32 个字节（大约 16 个汉字），这个名称有 "
    u"34 个字节。请缩短后再试。";

// Names as Windows will send them, in GBK, on both ways of starting.
TEST(NetworkName, IsCountedInTheCodePagesBytesAndAskedAboutWhenPhonesMayGarbleIt) {
  const std::u16string sixteenHanzi(16, u'热');
  const struct {
    const char* name;
    std::u16string ssid;
    bool mobileHotspot;  // the adapter cannot host; Windows has the Mobile hotspot
    int answer;
    std::u16string firstBox;  // a part of it; empty: no box before the start's
    bool starts;
  } cases[] = {
      {"ASCII", u"Home net", false, kYes, u"", true},
      {"ASCII, 32 bytes", std::u16string(32, u'n'), true, kYes, u"", true},
      {"Chinese, 32 bytes, kept", sixteenHanzi, false, kYes, kQuestion, true},
      {"Chinese, 32 bytes, kept, Mobile hotspot", sixteenHanzi, true, kYes, kQuestion, true},
      {"Chinese, not kept", u"热点", false, kNo, kQuestion, false},
      {"Chinese, 34 bytes", sixteenHanzi + u"点", false, kYes, kTooLong, false},
      {"Chinese, 34 bytes, Mobile hotspot", sixteenHanzi + u"点", true, kYes, kTooLong, false},
      {"ASCII, 33 bytes", std::u16string(33, u'n'), true, kYes, u"最多 32 个字节", false},
      {"leading space", u" net", false, kYes, u"", true},
      {"leading space, Mobile hotspot", u" net", true, kYes, u"", false},
      {"trailing space, Mobile hotspot", u"net ", true, kYes, u"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeMainWindow form;
    FakeSystem system;
    if (c.mobileHotspot) {
      system.hostedNetwork = hostedNetworkIn(HostedNetworkStatus::State::Unavailable);
      system.mobileHotspotPresent = true;
      system.commandOutcome = [](const std::u16string& line) {
        return exitedWith(line == u"cmd /c netsh wlan start hostednetwork" ? 1 : 0);
      };
    }
    form.answer = c.answer;
    form.type(Control::Text1, c.ssid);
    form.type(Control::Text2, kKey);
    form.focus = Control::Command1;
    Command1_Click(form, system, form.session);

    ASSERT_FALSE(form.boxes.empty());
    const bool asked = !c.firstBox.empty();
    if (asked) {
      EXPECT_NE(form.boxes[0].prompt.find(c.firstBox), std::u16string::npos);
    }
    if (c.firstBox == kQuestion) {
      EXPECT_EQ(form.boxes[0].title, u"提示");
      EXPECT_EQ(form.boxes[0].buttons, kYesNo);
    }
    const bool refusedEarly = asked && !c.starts;
    // Refused or not kept: nothing launched, the window as it was.
    EXPECT_EQ(system.launches.empty(), refusedEarly);
    if (refusedEarly) {
      EXPECT_EQ(form.boxes.size(), 1u);
    }
    if (c.answer == kNo) {
      EXPECT_EQ(form.focus, Control::Text1);
    }
    if (c.answer == kYes) {
      EXPECT_EQ(form.boxes.back().title, c.starts ? u"成功" : u"错误");
    }
    EXPECT_EQ(form.enabled(Control::Text1), c.starts ? kFalse : kTrue);
    EXPECT_EQ(form.text(Control::Text1), c.ssid);
  }
}

}  // namespace
}  // namespace vanterel
