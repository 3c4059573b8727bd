#include "hotspot/start_stop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/hotspot/fake_main_window.h"
#include "tests/hotspot/fake_system.h"
#include "tests/hotspot/cmd_line_models.h"

namespace vanterel {
namespace {

using Arguments = std::vector<std::u16string>;

const std::u16string kIdleCaption = u"一键开启";
const std::u16string kRunningCaption = u"关闭无线";
const std::u16string kTooShort = u"密码长度不符，至少16个字符";
const std::u16string kFieldEmpty = u"密码或名称不能为空";
const std::u16string kStopped = u"wifi已关闭";

const std::u16string kName = u"VanterelNet";
const std::u16string kKey = u"0123456789abcdef";

const char16_t* const kStartStepNames[] = {u"允许承载网络", u"设置无线名称", u"设置无线密码",
                                           u"启动承载网络"};
constexpr std::size_t kStartSteps = 4;
const std::u16string kStopStepName = u"关闭承载网络";

const std::u16string kGarbledNameQuestion =
    u"无线名称里有中文或其他非英文字符。Windows 会按本机的编码发送名称，很多手机会把它显示成乱码。"
    u"仍然使用这个名称吗？";

std::u16string startedMessage(const std::u16string& name, const std::u16string& key) {
  return u"无线局域网开启成功 ssid= " + name + u"  密码=" + key;
}

Arguments startArguments(std::size_t step, const std::u16string& name, const std::u16string& key) {
  switch (step) {
    case 0:
      return {u"netsh", u"wlan", u"set", u"hostednetwork", u"mode=allow"};
    case 1:
      return {u"netsh", u"wlan", u"set", u"hostednetwork", u"ssid=" + name};
    case 2:
      return {u"netsh", u"wlan", u"set", u"hostednetwork", u"key=" + key, u"keyUsage=persistent"};
    default:
      return {u"netsh", u"wlan", u"start", u"hostednetwork"};
  }
}

const Arguments kStopArguments = {u"netsh", u"wlan", u"stop", u"hostednetwork"};
const Arguments kShowDriversArguments = {u"netsh", u"wlan", u"show", u"drivers"};
const std::u16string kShowDrivers = u"cmd /c netsh wlan show drivers";

// The arguments netsh receives from a launched line, when cmd runs nothing
// else, expands nothing, and every runtime and both orders of cmd's passes
// agree on them.
std::optional<Arguments> netshArguments(const std::u16string& commandLine) {
  const std::u16string prefix = u"cmd /c ";
  if (commandLine.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  std::optional<Arguments> agreed;
  for (CmdPassOrder order : {CmdPassOrder::PercentFirst, CmdPassOrder::CaretsFirst}) {
    const CmdReading reading =
        readByCmd(commandLine.substr(prefix.size()), order, usualWindowsVariables());
    if (reading.runsMore || reading.expanded) return std::nullopt;
    const ArgumentSplit split = splitArguments(reading.toProgram);
    if (split.runtimesMayDisagree || (agreed && *agreed != split.arguments)) return std::nullopt;
    agreed = split.arguments;
  }
  return agreed;
}

std::vector<std::u16string> commandLinesOf(const FakeSystem& system) {
  std::vector<std::u16string> lines;
  for (const auto& launch : system.launches) lines.push_back(launch.commandLine);
  return lines;
}

bool contains(const std::u16string& text, const std::u16string& part) {
  return text.find(part) != std::u16string::npos;
}

// A box as the user sees it: its title and either its whole text or
// parts that the text must contain.
struct ExpectedBox {
  std::u16string title;
  std::vector<std::u16string> parts;
  bool whole = true;
  int buttons = kOkOnly;
};

ExpectedBox exactBox(const std::u16string& title, const std::u16string& text) {
  return {title, {text}, true};
}

ExpectedBox errorNaming(const std::u16string& stepName, const std::u16string& output) {
  return {u"错误", {stepName, output}, false};
}

testing::AssertionResult showedExactly(const FakeMainWindow& form,
                                       const std::vector<ExpectedBox>& expected) {
  if (form.boxes.size() != expected.size()) {
    return testing::AssertionFailure()
           << form.boxes.size() << " boxes instead of " << expected.size();
  }
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& box = form.boxes[i];
    const ExpectedBox& want = expected[i];
    bool textMatches = !want.whole || box.prompt == want.parts[0];
    for (const auto& part : want.parts) textMatches = textMatches && contains(box.prompt, part);
    if (box.title != want.title || box.buttons != want.buttons || !textMatches) {
      return testing::AssertionFailure()
             << "box " << i << ": " << testing::PrintToString(box.title) << " "
             << testing::PrintToString(box.prompt) << " buttons " << box.buttons;
    }
  }
  return testing::AssertionSuccess();
}

testing::AssertionResult isInState(const FakeMainWindow& form, bool running) {
  const std::u16string caption = running ? kRunningCaption : kIdleCaption;
  const int enabled = running ? kFalse : kTrue;
  if (form.caption(Control::Command1) == caption && form.enabled(Control::Text1) == enabled &&
      form.enabled(Control::Text2) == enabled) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure()
         << "caption " << testing::PrintToString(form.caption(Control::Command1)) << ", enabled "
         << form.enabled(Control::Text1) << " " << form.enabled(Control::Text2);
}

testing::AssertionResult isIdle(const FakeMainWindow& form) { return isInState(form, false); }
testing::AssertionResult isRunning(const FakeMainWindow& form) { return isInState(form, true); }

CommandRun endedAs(CommandRun::Outcome outcome, const std::u16string& output) {
  CommandRun run = exitedWith(outcome == CommandRun::Outcome::Exited ? 1 : 0, output);
  run.outcome = outcome;
  return run;
}

const CommandRun::Outcome kFailures[] = {
    CommandRun::Outcome::Exited, CommandRun::Outcome::CouldNotStart, CommandRun::Outcome::TimedOut};

// Types both fields, clicks, and forgets what that click showed and launched.
void startRunning(FakeMainWindow& form, FakeSystem& system, const std::u16string& name,
                  const std::u16string& key) {
  form.type(Control::Text1, name);
  form.type(Control::Text2, key);
  Command1_Click(form, system, form.session);
  ASSERT_TRUE(isRunning(form));
  form.boxes.clear();
  system.launches.clear();
}

TEST(Command1Click, StartRunsTheFourCommandsInOrderHiddenWithinThirtySeconds) {
  FakeMainWindow form;
  FakeSystem system;
  form.type(Control::Text1, kName);
  form.type(Control::Text2, kKey);
  Command1_Click(form, system, form.session);

  const std::vector<std::u16string> expected = {
      u"cmd /c netsh wlan set hostednetwork mode=allow",
      u"cmd /c netsh wlan set hostednetwork ssid=VanterelNet",
      u"cmd /c netsh wlan set hostednetwork key=0123456789abcdef keyUsage=persistent",
      u"cmd /c netsh wlan start hostednetwork",
  };
  EXPECT_EQ(commandLinesOf(system), expected);
  for (const auto& launch : system.launches) {
    EXPECT_EQ(launch.style, WindowStyle::Hidden);
    EXPECT_EQ(launch.timeout, std::chrono::seconds(30));
  }
  // The password shows in clear although the box masks it.
  EXPECT_EQ(form.passwordChar(Control::Text2), u"*");
  EXPECT_TRUE(showedExactly(
      form, {exactBox(u"成功", u"无线局域网开启成功 ssid= VanterelNet  密码=0123456789abcdef")}));
  EXPECT_TRUE(isRunning(form));
  EXPECT_EQ(form.text(Control::Text1), kName);
  EXPECT_EQ(form.text(Control::Text2), kKey);
}

TEST(Command1Click, ClickWhileRunningStopsAndStartsNothing) {
  FakeMainWindow form;
  FakeSystem system;
  startRunning(form, system, kName, kKey);

  Command1_Click(form, system, form.session);

  ASSERT_EQ(system.launches.size(), 1u);
  EXPECT_EQ(system.launches[0].commandLine, u"cmd /c netsh wlan stop hostednetwork");
  EXPECT_EQ(system.launches[0].style, WindowStyle::MinimizedWithFocus);
  EXPECT_EQ(system.launches[0].timeout, std::chrono::seconds(30));
  EXPECT_TRUE(showedExactly(form, {exactBox(u"成功", kStopped)}));
  EXPECT_TRUE(isIdle(form));
  EXPECT_EQ(form.text(Control::Text1), kName);
  EXPECT_EQ(form.text(Control::Text2), kKey);

  // Idle again: the next click starts anew.
  form.boxes.clear();
  system.launches.clear();
  Command1_Click(form, system, form.session);
  EXPECT_EQ(system.launches.size(), kStartSteps);
  EXPECT_TRUE(isRunning(form));
}

// Field checks, then the characters no command line can carry.
TEST(Command1Click, RefusedFieldsShowOneErrorBoxAndLaunchNothing) {
  const std::u16string emoji = u"😀";
  std::u16string sevenAndAHalfEmoji;
  for (int i = 0; i < 7; ++i) sevenAndAHalfEmoji += emoji;
  sevenAndAHalfEmoji += u"x";  // 15 code units

  const struct {
    std::u16string name;
    std::u16string key;
    std::u16string message;
  } cases[] = {
      {u"", u"", kFieldEmpty},
      {kName, u"", kFieldEmpty},
      {u"", kKey, kFieldEmpty},
      {u"", u"short", kFieldEmpty},  // the length check needs both fields
      {kName, u"a", kTooShort},
      {kName, u"0123456789abcde", kTooShort},
      {kName, sevenAndAHalfEmoji, kTooShort},
      {u"a\nb", u"short", kTooShort},  // checked before any control character
      {u"a\nb", kKey, u"无线名称中不能含有控制字符 U+000A，请删除后重试。"},
      {kName, kKey + u"\x01", u"无线密码中不能含有控制字符 U+0001，请删除后重试。"},
      {u"x\x1A", kKey, u"无线名称中不能含有控制字符 U+001A，请删除后重试。"},
      {u"\x7F", kKey + u"\n", u"无线名称中不能含有控制字符 U+007F，请删除后重试。"},
      {std::u16string(1, u'\0'), kKey, u"无线名称中不能含有控制字符 U+0000，请删除后重试。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.name) + " " + testing::PrintToString(c.key));
    FakeMainWindow form;
    FakeSystem system;
    form.type(Control::Text1, c.name);
    form.type(Control::Text2, c.key);
    Command1_Click(form, system, form.session);
    EXPECT_TRUE(showedExactly(form, {exactBox(u"错误", c.message)}));
    EXPECT_TRUE(system.launches.empty());
    EXPECT_TRUE(isIdle(form));
    EXPECT_EQ(form.text(Control::Text1), c.name);
    EXPECT_EQ(form.text(Control::Text2), c.key);
  }
}

TEST(Command1Click, AcceptsEveryNameAndAnyKeyOfSixteenUnitsOrMore) {
  std::u16string eightEmoji;
  for (int i = 0; i < 8; ++i) eightEmoji += u"😀";  // 8 characters, 16 code units

  const struct {
    std::u16string name;
    std::u16string key;
  } cases[] = {
      {kName, kKey},
      {u"热点", eightEmoji},
      {u"   ", kKey},                     // spaces are not empty
      {kName, std::u16string(16, u' ')},  // nor is a key of spaces
      {u"my home net", std::u16string(100, u'k')},
      {u"a\tb", kKey},  // tab is the one control character passed on
      {uR"(a" & echo pwned > C:\x & ")", u"%PATH% ^&|<>()! \"\\ %=C:% \\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.name) + " " + testing::PrintToString(c.key));
    FakeMainWindow form;
    FakeSystem system;
    form.type(Control::Text1, c.name);
    form.type(Control::Text2, c.key);
    Command1_Click(form, system, form.session);

    ASSERT_EQ(system.launches.size(), kStartSteps);
    for (std::size_t step = 0; step < kStartSteps; ++step) {
      EXPECT_EQ(netshArguments(system.launches[step].commandLine),
                startArguments(step, c.name, c.key));
    }
    std::vector<ExpectedBox> boxes;
    // Names phones may show garbled are asked about first (and kept here).
    if (c.name == u"热点" || c.name == u"a\tb") {
      boxes.push_back({u"提示", {kGarbledNameQuestion}, true, kYesNo});
    }
    boxes.push_back(exactBox(u"成功", startedMessage(c.name, c.key)));
    EXPECT_TRUE(showedExactly(form, boxes));
    EXPECT_TRUE(isRunning(form));
  }
}

TEST(Command1Click, AFailedStartStepEndsTheClickAndTheWindowStaysIdle) {
  for (std::size_t failing = 0; failing < kStartSteps; ++failing) {
    for (CommandRun::Outcome outcome : kFailures) {
      SCOPED_TRACE(testing::Message()
                   << "step " << failing << " outcome " << static_cast<int>(outcome));
      FakeMainWindow form;
      FakeSystem system;
      system.commandOutcome = [&system, failing, outcome](const std::u16string&) {
        return system.launches.size() == failing + 1 ? endedAs(outcome, u"netsh 的输出")
                                                     : exitedWith(0);
      };
      form.type(Control::Text1, kName);
      form.type(Control::Text2, kKey);
      Command1_Click(form, system, form.session);

      // Only a failed start asks the drivers why, once.
      const bool startFailed = failing == kStartSteps - 1;
      EXPECT_EQ(system.launches.size(), failing + (startFailed ? 2 : 1));
      if (startFailed) {
        EXPECT_EQ(system.launches.back().commandLine, kShowDrivers);
      }
      EXPECT_TRUE(showedExactly(form, {errorNaming(kStartStepNames[failing], u"netsh 的输出")}));
      EXPECT_TRUE(isIdle(form));
    }
  }
}

// Trimmed from real output: Chinese and English systems, one adapter each.
const std::u16string kChineseDrivers =
    u"\r\n接口名称: WLAN\r\n\r\n    驱动程序                  : Intel(R) Wi-Fi 6 AX201 160MHz\r\n"
    u"    支持的无线电类型          : 802.11b 802.11g 802.11n 802.11a 802.11ac 802.11ax\r\n"
    u"    支持的承载网络  : 否\r\n    支持无线显示: 是\r\n";
const std::u16string kEnglishDrivers =
    u"Interface name: Wi-Fi\r\n\r\n    Driver                    : Qualcomm Atheros AR9485\r\n"
    u"    Type                      : Native Wi-Fi Driver\r\n"
    u"    Hosted network supported  : Yes\r\n";
const std::u16string kNoAdapter = u"无法启动承载网络。";
const std::u16string kAskForAdmin = u"请右键单击本程序，选择“以管理员身份运行”。";

TEST(Command1Click, AFailedStartSaysWhatTheDriversTell) {
  const std::u16string unsupported = u"这块无线网卡的驱动不支持承载网络，无法用这种方式开启热点。";
  const std::u16string supported =
      u"无线网卡支持承载网络，但现在无法启动。请确认无线已打开（飞行模式已关闭）后再试。";
  const std::u16string noInterface =
      u"这台电脑没有可用的无线网卡，或者无线网卡已被禁用。请启用无线网卡后再试。";
  std::u16string both = kEnglishDrivers;
  both.replace(both.find(u"Yes"), 3, u"No");
  both += kChineseDrivers;
  both.replace(both.find(u"否"), 1, u"是");
  const struct {
    CommandRun drivers;
    std::u16string advice;
  } cases[] = {
      {exitedWith(0, kChineseDrivers), unsupported},
      {exitedWith(0, kEnglishDrivers), supported},
      {exitedWith(0, both), supported},  // one adapter that can host is enough
      {exitedWith(0, u"\r\n系统上没有无线接口。\r\n"), noInterface},
      {exitedWith(0, u"There is no wireless interface on the system.\r\n"), noInterface},
      {exitedWith(0, u"    支持的承载网络  : 也许\r\n"), u""},
      {exitedWith(0, u""), u""},
      {exitedWith(1, u"\r\n系统上没有无线接口。\r\n"), noInterface},
      {exitedWith(1, u"无线自动配置服务(wlansvc)没有运行。\r\n"), u""},
      {endedAs(CommandRun::Outcome::TimedOut, kChineseDrivers), u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.drivers.output));
    FakeMainWindow form;
    FakeSystem system;
    system.commandOutcome = [&c](const std::u16string& line) {
      if (line == kShowDrivers) return c.drivers;
      return line == u"cmd /c netsh wlan start hostednetwork" ? exitedWith(1, kNoAdapter)
                                                              : exitedWith(0);
    };
    form.type(Control::Text1, kName);
    form.type(Control::Text2, kKey);
    Command1_Click(form, system, form.session);

    const std::u16string failure =
        u"“启动承载网络”失败：netsh 返回错误代码 1。\r\n\r\n" + kNoAdapter;
    EXPECT_TRUE(showedExactly(
        form, {exactBox(u"错误", c.advice.empty() ? failure : failure + u"\r\n\r\n" + c.advice)}));
    EXPECT_TRUE(isIdle(form));
  }
}

TEST(Command1Click, NetshAskingForAdministratorRightsSaysHowToGiveThem) {
  const std::u16string outputs[] = {
      u"请求的操作需要提升(作为管理员运行)。",
      u"The requested operation requires elevation (Run as administrator)."};
  for (const auto& output : outputs) {
    for (std::size_t failing = 0; failing < kStartSteps; ++failing) {
      FakeMainWindow form;
      FakeSystem system;
      system.commandOutcome = [&](const std::u16string&) {
        return system.launches.size() == failing + 1 ? exitedWith(1, output) : exitedWith(0);
      };
      form.type(Control::Text1, kName);
      form.type(Control::Text2, kKey);
      Command1_Click(form, system, form.session);
      ASSERT_EQ(form.boxes.size(), 1u);
      const std::u16string& prompt = form.boxes[0].prompt;
      EXPECT_EQ(prompt.substr(prompt.size() - kAskForAdmin.size()), kAskForAdmin);
    }
  }
  FakeMainWindow form;
  FakeSystem system;
  system.commandOutcome = [](const std::u16string&) { return exitedWith(1, u"参数错误。"); };
  form.type(Control::Text1, kName);
  form.type(Control::Text2, kKey);
  Command1_Click(form, system, form.session);
  EXPECT_FALSE(contains(form.boxes.at(0).prompt, kAskForAdmin));
}

TEST(Command1Click, AFailedStopLeavesTheWindowRunning) {
  for (CommandRun::Outcome outcome : kFailures) {
    SCOPED_TRACE(static_cast<int>(outcome));
    FakeMainWindow form;
    FakeSystem system;
    startRunning(form, system, kName, kKey);
    system.commandOutcome = [outcome](const std::u16string&) {
      return endedAs(outcome, u"请求的操作需要提升。");
    };
    Command1_Click(form, system, form.session);

    EXPECT_EQ(commandLinesOf(system),
              std::vector<std::u16string>{u"cmd /c netsh wlan stop hostednetwork"});
    EXPECT_TRUE(showedExactly(form, {errorNaming(kStopStepName, u"请求的操作需要提升。")}));
    EXPECT_TRUE(isRunning(form));

    // A later click tries the stop again.
    system.commandOutcome = nullptr;
    form.boxes.clear();
    system.launches.clear();
    Command1_Click(form, system, form.session);
    EXPECT_EQ(system.launches.size(), 1u);
    EXPECT_TRUE(showedExactly(form, {exactBox(u"成功", kStopped)}));
    EXPECT_TRUE(isIdle(form));
  }
}

// Deterministic on every platform, unlike the standard distributions.
class Picker {
 public:
  explicit Picker(std::uint32_t seed) : engine_(seed) {}
  std::size_t below(std::size_t bound) { return engine_() % bound; }
  template <typename T, std::size_t N>
  const T& from(const T (&items)[N]) {
    return items[below(N)];
  }

 private:
  std::mt19937 engine_;
};

bool hasControlCharacter(const std::u16string& text) {
  for (char16_t c : text) {
    if ((c < 0x20 && c != u'\t') || c == 0x7F) return true;
  }
  return false;
}

// The window as the user understands it, and what a click should do.
struct ReferenceWindow {
  bool running = false;
  std::u16string name;
  std::u16string key;

  struct Click {
    std::vector<Arguments> launches;
    std::vector<ExpectedBox> boxes;
  };

  // `plan` says how each launch of the click ends.
  Click click(const std::vector<CommandRun>& plan) {
    Click expected;
    if (running) {
      expected.launches.push_back(kStopArguments);
      if (plan[0].outcome == CommandRun::Outcome::Exited && plan[0].exitCode == 0) {
        expected.boxes.push_back(exactBox(u"成功", kStopped));
        running = false;
      } else {
        expected.boxes.push_back(errorNaming(kStopStepName, plan[0].output));
      }
      return expected;
    }
    if (!name.empty() && !key.empty() && key.size() < 16) {
      expected.boxes.push_back(exactBox(u"错误", kTooShort));
    } else if (name.empty() || key.empty()) {
      expected.boxes.push_back(exactBox(u"错误", kFieldEmpty));
    } else if (hasControlCharacter(name) || hasControlCharacter(key)) {
      const char16_t* field = hasControlCharacter(name) ? u"无线名称" : u"无线密码";
      expected.boxes.push_back({u"错误", {field, u"控制字符 U+"}, false});
    } else {
      const bool printable =
          std::all_of(name.begin(), name.end(), [](char16_t c) { return c >= 0x20 && c <= 0x7E; });
      // The user answers Yes.
      if (!printable) expected.boxes.push_back({u"提示", {kGarbledNameQuestion}, true, kYesNo});
      for (std::size_t step = 0; step < kStartSteps; ++step) {
        expected.launches.push_back(startArguments(step, name, key));
        const CommandRun& run = plan[step];
        if (run.outcome != CommandRun::Outcome::Exited || run.exitCode != 0) {
          // The drivers' answer in this session never says why: no advice.
          if (step == kStartSteps - 1) expected.launches.push_back(kShowDriversArguments);
          expected.boxes.push_back(errorNaming(kStartStepNames[step], run.output));
          return expected;
        }
      }
      expected.boxes.push_back(exactBox(u"成功", startedMessage(name, key)));
      running = true;
    }
    return expected;
  }
};

TEST(Command1Click, RandomSessionsFollowTheReferenceWindow) {
  std::u16string eightEmoji;
  for (int i = 0; i < 8; ++i) eightEmoji += u"😀";
  const std::u16string names[] = {u"",       u"   ",    kName,        u"热点 😀", u"a&b|c>d",
                                  u"%PATH%", u"a\"b\\", u"bad\nname", u"\t"};
  const std::u16string keys[] = {u"",
                                 u"short",
                                 u"0123456789abcde",
                                 kKey,
                                 eightEmoji,
                                 eightEmoji.substr(1),
                                 std::u16string(16, u' '),
                                 u"%OS% & calc ^ \"quoted\\\" (x)",
                                 u"0123456789abcdef\x01"};

  Picker pick(7031);
  FakeMainWindow form;
  FakeSystem system;
  ReferenceWindow reference;
  std::vector<CommandRun> plan;
  system.commandOutcome = [&system, &plan](const std::u16string&) {
    return plan.at(system.launches.size() - 1);
  };
  int starts = 0, stops = 0, failedStarts = 0, failedStops = 0, refusals = 0;

  for (int action = 0; action < 3000; ++action) {
    const std::size_t kind = pick.below(4);
    if (kind == 0 && !reference.running) {
      reference.name = pick.from(names);
      form.type(Control::Text1, reference.name);
      continue;
    }
    if (kind == 1 && !reference.running) {
      reference.key = pick.from(keys);
      form.type(Control::Text2, reference.key);
      continue;
    }

    // Most commands succeed; each failure prints a text of its own.
    plan.clear();
    for (char16_t launch = u'A'; launch <= u'E'; ++launch) {
      const std::size_t roll = pick.below(12);
      plan.push_back(roll < 9 ? exitedWith(0)
                              : endedAs(kFailures[roll - 9], u"输出 " + std::u16string(1, launch)));
    }
    const bool wasRunning = reference.running;
    const ReferenceWindow::Click expected = reference.click(plan);
    form.boxes.clear();
    system.launches.clear();
    Command1_Click(form, system, form.session);

    SCOPED_TRACE(testing::Message() << "action " << action);
    ASSERT_TRUE(showedExactly(form, expected.boxes));
    ASSERT_EQ(system.launches.size(), expected.launches.size());
    for (std::size_t i = 0; i < expected.launches.size(); ++i) {
      EXPECT_EQ(netshArguments(system.launches[i].commandLine), expected.launches[i]);
      EXPECT_EQ(system.launches[i].style,
                wasRunning ? WindowStyle::MinimizedWithFocus : WindowStyle::Hidden);
      EXPECT_EQ(system.launches[i].timeout, std::chrono::seconds(30));
    }
    ASSERT_TRUE(isInState(form, reference.running));
    EXPECT_EQ(form.text(Control::Text1), reference.name);
    EXPECT_EQ(form.text(Control::Text2), reference.key);

    if (wasRunning) {
      ++(reference.running ? failedStops : stops);
    } else if (reference.running) {
      ++starts;
    } else if (expected.launches.size() > 0) {
      ++failedStarts;
    } else if (contains(form.boxes[0].prompt, u"控制字符")) {
      ++refusals;
    }
  }
  // The session reached every kind of click.
  EXPECT_GT(starts, 20);
  EXPECT_GT(stops, 20);
  EXPECT_GT(failedStarts, 20);
  EXPECT_GT(failedStops, 5);
  EXPECT_GT(refusals, 5);
}

}  // namespace
}  // namespace vanterel
