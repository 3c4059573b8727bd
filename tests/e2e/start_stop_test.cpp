#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "app/win32_text.h"
#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"

namespace vanterel::e2e {
namespace {

using StartStop = PressTest;

using Arguments = std::vector<std::u16string>;

TEST_F(StartStop, StartsWithFiveCommandsInOrderAndStopsWithOne) {
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
      {u"netsh wlan set hostednetwork key=0123456789abcdef",
       {u"wlan", u"set", u"hostednetwork", u"key=0123456789abcdef"}},
      {u"netsh wlan set hostednetwork keyType=persistent",
       {u"wlan", u"set", u"hostednetwork", u"keyType=persistent"}},
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

// Each start, then a stop to be idle again for the next.
TEST_F(StartStop, NamesAndKeysReachNetshIntact) {
  std::u16string longKey;
  while (longKey.size() < 70) longKey += u"pass phrase 密码 ";
  longKey.resize(70);

  struct Case {
    std::u16string name;
    std::u16string key;
  };
  const Case cases[] = {
      {u"my home net", u"0123456789abcdef"},
      {u"  runs   of spaces ", longKey},
      {u" leading", u" key with spaces "},
      {u"trailing\t ", u"中文密码中文密码中文密码中文密码"},
      {u"无线网络", u"😀😀😀😀😀😀😀😀"},
      {u"😀 emoji 网", u"0123456789abcde😀"},
  };
  for (const Case& each : cases) {
    ASSERT_NO_FATAL_FAILURE(expectStartAndStopWith(each.name, each.key));
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
