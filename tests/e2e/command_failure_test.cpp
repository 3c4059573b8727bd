#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "windows/win32_text.h"
#include "tests/e2e/app_process.h"
#include "tests/e2e/captured_run.h"
#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"

namespace vanterel::e2e {
namespace {

using CommandFailure = PressTest;
using HungCommand = PressTest;

bool contains(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

TEST_F(CommandFailure, AFailedStepEndsTheStartAndIsReportedWithWhatNetshSaid) {
  struct Step {
    std::u16string match;
    std::wstring name;
    std::u16string said;  // printed by netsh in GBK
  };
  const Step steps[] = {
      {u"mode=allow", L"允许承载网络", u"无线自动配置服务没有运行。"},
      {u"ssid=", L"设置无线名称", u"SSID 长度不正确。"},
      {u"key=", L"设置无线密码", u"用户密钥长度不正确。"},
      {u"start hostednetwork", L"启动承载网络", u"无法启动承载网络。\r\n组或资源的状态不正确。"},
  };
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", L"0123456789abcdef"));
  for (std::size_t failing = 0; failing < std::size(steps); ++failing) {
    const Step& step = steps[failing];
    SCOPED_TRACE(utf8(step.name));
    ASSERT_NO_FATAL_FAILURE(setNetshRules({{step.match, 1, 0, step.said + u"\r\n"}}));
    const auto box = press();
    ASSERT_TRUE(box.has_value()) << "no message box after pressing the button";
    EXPECT_EQ(box->title, L"错误");
    EXPECT_TRUE(contains(box->text, step.name)) << utf8(box->text);
    EXPECT_TRUE(contains(box->text, toWide(step.said))) << utf8(box->text);
    EXPECT_EQ(box->buttons.size(), 1u);

    // The steps up to the failing one, in order, and none after it: when
    // the start failed, wlanapi tells why, not the drivers' words.
    const std::vector<NetshInvocation> launched = launchedByPress();
    ASSERT_EQ(launched.size(), failing + 1);
    for (std::size_t i = 0; i <= failing; ++i) {
      EXPECT_NE(launched[i].commandLine.find(steps[i].match), std::u16string::npos)
          << utf8(toWide(launched[i].commandLine));
    }
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*box));
    expectIdle();
  }
}

TEST_F(CommandFailure, AFailedStopLeavesTheWindowRunning) {
  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", L"0123456789abcdef"));
  ASSERT_NO_FATAL_FAILURE(setNetshRules({{u"stop hostednetwork", 1, 0, u"承载网络未启动。\r\n"}}));
  const auto failed = press();
  ASSERT_TRUE(failed.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(failed->title, L"错误");
  EXPECT_TRUE(contains(failed->text, L"关闭承载网络")) << utf8(failed->text);
  EXPECT_TRUE(contains(failed->text, L"承载网络未启动。")) << utf8(failed->text);
  const std::vector<NetshInvocation> launched = launchedByPress();
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(netshArguments(launched[0]),
            (std::vector<std::u16string>{u"wlan", u"stop", u"hostednetwork"}));
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*failed));
  expectRunning();

  // Still running, so the next press tries the stop again.
  ASSERT_NO_FATAL_FAILURE(setNetshRules({}));
  ASSERT_NO_FATAL_FAILURE(expectStopToIdle());
}

// Moves the system's cmd.exe of the driver's architecture, which is the
// one the program under test uses, aside for as long as it lives.
class CmdSetAside {
 public:
  CmdSetAside()
      : path_(systemProgram(L"cmd.exe")),
        aside_(path_ + L".vanterel-aside"),
        moved_(MoveFileExW(path_.c_str(), aside_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) {}
  CmdSetAside(const CmdSetAside&) = delete;
  CmdSetAside& operator=(const CmdSetAside&) = delete;
  ~CmdSetAside() {
    if (moved_) MoveFileW(aside_.c_str(), path_.c_str());
  }

  bool moved() const { return moved_; }

 private:
  std::wstring path_;
  std::wstring aside_;
  bool moved_;
};

TEST_F(CommandFailure, AMissingCmdIsReportedAndTheProgramGoesOn) {
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", L"0123456789abcdef"));
  {
    const CmdSetAside noCmd;
    ASSERT_TRUE(noCmd.moved()) << "cannot move " << utf8(systemProgram(L"cmd.exe"));
    const auto failed = press();
    ASSERT_TRUE(failed.has_value()) << "no message box after pressing the button";
    EXPECT_EQ(failed->title, L"错误");
    EXPECT_TRUE(contains(failed->text, L"允许承载网络")) << utf8(failed->text);
    EXPECT_TRUE(contains(failed->text, L"无法启动命令解释器 cmd")) << utf8(failed->text);
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*failed));
    EXPECT_TRUE(process().running());
    expectIdle();
  }
  EXPECT_TRUE(netshInvocations().empty());

  // With cmd back, the same press starts the network.
  const auto started = press();
  ASSERT_TRUE(started.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(started->title, L"成功") << utf8(started->text);
  EXPECT_EQ(launchedByPress().size(), 4u);
}

// netsh hangs in the first step: after 30 seconds it and its cmd are ended
// and the start goes no further.
TEST_F(HungCommand, IsEndedAfterThirtySecondsAndReported) {
  constexpr std::chrono::milliseconds kHang = 60s;
  ASSERT_NO_FATAL_FAILURE(
      setNetshRules({{u"mode=allow", 0, static_cast<std::uint32_t>(kHang.count()), u""}}));
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", L"0123456789abcdef"));
  const auto pressed = std::chrono::steady_clock::now();
  const auto failed = press(kHang - 5s);
  const auto waited = std::chrono::steady_clock::now() - pressed;
  ASSERT_TRUE(failed.has_value()) << "no message box before netsh would have ended by itself";
  EXPECT_GE(waited, 30s);
  EXPECT_EQ(failed->title, L"错误");
  EXPECT_TRUE(contains(failed->text, L"允许承载网络")) << utf8(failed->text);
  EXPECT_TRUE(contains(failed->text, L"30 秒")) << utf8(failed->text);
  EXPECT_TRUE(contains(failed->text, L"终止")) << utf8(failed->text);

  const std::vector<NetshInvocation> launched = launchedByPress();
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_TRUE(waitForProcessEnd(launched[0].processId, 2s)) << "the hung netsh still runs";
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*failed));
  expectIdle();
  EXPECT_EQ(launchedByPress().size(), 1u);
}

}  // namespace
}  // namespace vanterel::e2e
