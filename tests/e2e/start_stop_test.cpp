#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "windows/win32_text.h"
#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"

namespace vanterel::e2e {
namespace {

using StartStop = PressTest;

using Arguments = std::vector<std::u16string>;

TEST_F(StartStop, StartsWithFourCommandsInOrderAndStopsWithOne) {
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", L"0123456789abcdef"));
  const auto started = press();
  ASSERT_TRUE(started.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(started->title, L"成功");
  EXPECT_EQ(started->text, L"无线局域网开启成功 ssid= Vanterel  密码=0123456789abcdef");
  EXPECT_EQ(started->buttons.size(), 1u);

  struct Expected {
    std::u16string line;
    Arguments arguments;
  };
  const Expected starts[] = {
      {u"netsh wlan set hostednetwork mode=allow",
       {u"wlan", u"set", u"hostednetwork", u"mode=allow"}},
      {u"netsh wlan set hostednetwork ssid=Vanterel",
       {u"wlan", u"set", u"hostednetwork", u"ssid=Vanterel"}},
      {u"netsh wlan set hostednetwork key=0123456789abcdef keyUsage=persistent",
       {u"wlan", u"set", u"hostednetwork", u"key=0123456789abcdef", u"keyUsage=persistent"}},
      {u"netsh wlan start hostednetwork", {u"wlan", u"start", u"hostednetwork"}},
  };
  const std::vector<NetshInvocation> launched = launchedByPress();
  ASSERT_EQ(launched.size(), std::size(starts));
  for (std::size_t i = 0; i < launched.size(); ++i) {
    EXPECT_EQ(launched[i].commandLine, starts[i].line) << "command " << i;
    EXPECT_EQ(netshArguments(launched[i]), starts[i].arguments) << "command " << i;
  }
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*started));
  expectRunning();

  const auto stopped = press();
  ASSERT_TRUE(stopped.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(stopped->title, L"成功");
  EXPECT_EQ(stopped->text, L"wifi已关闭");
  EXPECT_EQ(stopped->buttons.size(), 1u);
  const std::vector<NetshInvocation> stop = launchedByPress();
  ASSERT_EQ(stop.size(), 1u);
  EXPECT_EQ(stop[0].commandLine, u"netsh wlan stop hostednetwork");
  EXPECT_EQ(netshArguments(stop[0]), (Arguments{u"wlan", u"stop", u"hostednetwork"}));
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*stopped));
  expectIdle();
}

// Each start, then a stop to be idle again for the next. netsh takes a key
// of 8 to 63 ASCII characters or 64 hex digits, and an SSID of up to 32
// bytes in the console's code page (GBK: 16 Chinese characters).
TEST_F(StartStop, NamesAndKeysReachNetshIntactAndItsRefusalsAreShown) {
  std::u16string longKey;
  while (longKey.size() < 70) longKey += u"pass phrase ";
  longKey.resize(70);
  const wchar_t* const byKey = L"设置无线密码";

  struct Case {
    std::u16string name;
    std::u16string key;
    const wchar_t* refusedBy = nullptr;
  };
  const Case cases[] = {
      {u"my home net", u"0123456789abcdef"},
      {u" leading", u" key with spaces "},
      {u"一二三四五六七八九十一二三四五六", std::u16string(64, u'f')},
      {u"  runs   of spaces ", longKey, byKey},
      {u"trailing\t ", u"中文密码中文密码中文密码中文密码", byKey},
      {u"无线网络", u"😀😀😀😀😀😀😀😀", byKey},
      {u"😀 emoji 网", u"0123456789abcde😀", byKey},
  };
  for (const Case& each : cases) {
    ASSERT_NO_FATAL_FAILURE(expectStartAndStopWith(each.name, each.key, each.refusedBy));
  }

  // Too long to send: refused before anything is launched.
  ASSERT_NO_FATAL_FAILURE(fill(L"一二三四五六七八九十一二三四五六七", L"0123456789abcdef"));
  const auto refused = press();
  ASSERT_TRUE(refused.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(refused->title, L"错误");
  EXPECT_NE(refused->text.find(L"最多 32 个字节（大约 16 个汉字），这个名称有 34 个字节"),
            std::wstring::npos)
      << utf8(refused->text);
  EXPECT_TRUE(launchedByPress().empty());
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*refused));
  expectIdle();
}

// A start that netsh cannot carry out says why, from what wlanapi tells.
// An adapter that cannot host turns to the Mobile hotspot where Windows has
// one; its advice is checked where it has none (MobileHotspot suite).
TEST_F(StartStop, AFailedStartGivesTheAdviceForTheAdapter) {
  const struct {
    WirelessAdapter adapter;
    bool radioOff;  // the adapter can host, but its radio is off
    const wchar_t* advice;
  } cases[] = {
      {WirelessAdapter::None, false,
       L"这台电脑没有可用的无线网卡，或者无线网卡已被禁用。请启用无线网卡后再试。"},
      {WirelessAdapter::CanHost, true,
       L"无线网卡支持承载网络，但现在无法启动。请确认无线已打开（飞行模式已关闭）后再试。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(utf8(c.advice));
    ASSERT_NO_FATAL_FAILURE(setWirelessAdapter(c.adapter));
    ASSERT_NO_FATAL_FAILURE(setRadio(!c.radioOff));
    ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", L"0123456789abcdef"));
    const auto failed = press();
    ASSERT_TRUE(failed.has_value()) << "no message box after pressing the button";
    EXPECT_EQ(failed->title, L"错误");
    EXPECT_EQ(
        failed->text,
        std::wstring(L"“启动承载网络”失败：netsh 返回错误代码 1。\r\n\r\n无法启动承载网络。\r\n"
                     L"组或资源的状态不是执行请求操作的正确状态。\r\n\r\n") +
            c.advice);
    // wlanapi tells why: the drivers are not asked.
    EXPECT_EQ(launchedByPress().size(), 4u);
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*failed));
    expectIdle();
  }
}

TEST_F(StartStop, RefusesAKeyOfFifteenUnitsAndLaunchesNothing) {
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", L"0123456789abcde"));
  const auto refused = press(kBoxTimeout);
  ASSERT_TRUE(refused.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(refused->title, L"错误");
  EXPECT_EQ(refused->text, L"密码长度不符，至少16个字符");
  EXPECT_EQ(refused->buttons.size(), 1u);
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*refused));
  expectIdle();
  EXPECT_TRUE(netshInvocations().empty());
}

}  // namespace
}  // namespace vanterel::e2e
