#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "windows/win32_text.h"
#include "tests/e2e/app_process.h"
#include "tests/e2e/captured_run.h"
#include "tests/e2e/driver_settings.h"
#include "tests/e2e/netsh_files.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/wait_until.h"

namespace vanterel::e2e {
namespace {

// The harness's own netsh, run directly and through cmd as the program
// runs it: the other suites rely on what it records and how it answers.
class StandInNetsh : public ::testing::Test {
 protected:
  static constexpr std::chrono::milliseconds kRunTimeout = 30s;

  void SetUp() override {
    ASSERT_FALSE(driverSettings().workFolder.empty()) << "VANTEREL_E2E_WORK is not set";
    log_ = currentTestFile(L".netsh.log");
    rules_ = currentTestFile(L".netsh.rules");
    state_ = currentTestFile(L".netsh.state");
    for (const auto& file : {log_, rules_, state_}) DeleteFileW(file.c_str());
  }

  EnvironmentChanges environment() const {
    return {{L"VANTEREL_NETSH_LOG", log_},
            {L"VANTEREL_NETSH_RULES", rules_},
            {L"VANTEREL_NETSH_STATE", state_}};
  }

  CapturedRun runNetsh(const std::wstring& commandLine) const {
    return runCaptured(systemProgram(L"netsh.exe"), commandLine, environment(), kRunTimeout);
  }

  CapturedRun runThroughCmd(const std::wstring& netshArguments) const {
    return runCaptured(systemProgram(L"cmd.exe"), L"cmd /c netsh " + netshArguments, environment(),
                       kRunTimeout);
  }

  std::vector<NetshInvocation> invocations() const {
    const auto read = readNetshLog(log_);
    EXPECT_TRUE(read.has_value()) << "the netsh log is malformed";
    return read.value_or(std::vector<NetshInvocation>{});
  }

  std::wstring log_;
  std::wstring rules_;
  std::wstring state_;
};

// Output as a console program prints it, decoded from the console code page.
std::wstring decoded(const std::string& bytes) {
  UINT codePage = GetConsoleOutputCP();
  if (codePage == 0) codePage = GetOEMCP();
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, &text[0], length);
  return text;
}

TEST_F(StandInNetsh, RecordsItsProcessTheRawLineAndTheArgumentsAsSplit) {
  const std::wstring line =
      L"netsh wlan \"ssid=my net\" key=a\\\"b c\\\\d \"tail\\\\\" 中文😀 \"\" \ttab";
  const CapturedRun run = runNetsh(line);
  ASSERT_TRUE(run.started && run.ended);

  const std::vector<NetshInvocation> recorded = invocations();
  ASSERT_EQ(recorded.size(), 1u);
  EXPECT_EQ(recorded[0].processId, run.processId);
  EXPECT_EQ(recorded[0].commandLine, fromWide(line.c_str(), line.size()));
  const std::vector<std::u16string> expected = {
      u"netsh", u"wlan", u"ssid=my net", u"key=a\"b", u"c\\\\d", u"tail\\", u"中文😀", u"", u"tab",
  };
  EXPECT_EQ(recorded[0].arguments, expected);
}

TEST_F(StandInNetsh, AppendsOneRecordForEachRunThroughCmd) {
  ASSERT_EQ(runThroughCmd(L"wlan set hostednetwork mode=allow").exitCode, 0u);
  ASSERT_EQ(runThroughCmd(L"wlan stop hostednetwork").exitCode, 0u);

  const std::vector<NetshInvocation> recorded = invocations();
  ASSERT_EQ(recorded.size(), 2u);
  const std::vector<std::u16string> first = {u"wlan", u"set", u"hostednetwork", u"mode=allow"};
  const std::vector<std::u16string> second = {u"wlan", u"stop", u"hostednetwork"};
  EXPECT_EQ(
      std::vector<std::u16string>(recorded[0].arguments.begin() + 1, recorded[0].arguments.end()),
      first);
  EXPECT_EQ(
      std::vector<std::u16string>(recorded[1].arguments.begin() + 1, recorded[1].arguments.end()),
      second);
  EXPECT_NE(recorded[0].processId, recorded[1].processId);
}

TEST_F(StandInNetsh, AnswersByTheFirstMatchingRuleInTheConsoleCodePage) {
  ASSERT_TRUE(writeNetshRules(rules_, {
                                          {u"show interfaces", 3, 0, u"系统上没有无线接口。\r\n"},
                                          {u"show", 5, 0, u"第二条规则"},
                                      }));
  struct Case {
    const wchar_t* arguments;
    DWORD exitCode;
    const wchar_t* output;
  };
  const Case cases[] = {
      {L"wlan show interfaces", 3, L"系统上没有无线接口。\r\n"},
      {L"wlan show drivers", 5, L"第二条规则"},
      {L"wlan stop hostednetwork", 0, L"已停止承载网络。\r\n"},
  };
  CapturedRun run;
  for (const Case& each : cases) {
    run = runThroughCmd(each.arguments);
    ASSERT_TRUE(run.started && run.ended) << utf8(each.arguments);
    EXPECT_EQ(run.exitCode, each.exitCode) << utf8(each.arguments);
    EXPECT_EQ(decoded(run.output), each.output) << utf8(each.arguments);
  }
  EXPECT_EQ(invocations().size(), 3u);
  // With no rule, netsh's own answer, in GBK, the code page of a Chinese console.
  EXPECT_EQ(run.output, "\xD2\xD1\xCD\xA3\xD6\xB9\xB3\xD0\xD4\xD8\xCD\xF8\xC2\xE7\xA1\xA3\r\n");
}

// What the tests of a hung netsh rely on: the record is there while it
// runs, and its process id tells whether it still does.
TEST_F(StandInNetsh, IsRecordedAtOnceAndExitsOnlyAfterTheRuleDelay) {
  constexpr std::chrono::milliseconds kDelay = 3000ms;
  ASSERT_TRUE(
      writeNetshRules(rules_, {{u"start", 7, static_cast<std::uint32_t>(kDelay.count()), u""}}));

  std::vector<NetshInvocation> seenWhileRunning;
  bool runningWhenSeen = false;
  const auto begun = std::chrono::steady_clock::now();
  CapturedRun run;
  std::thread runner([&] { run = runNetsh(L"netsh wlan start hostednetwork"); });
  if (waitUntil([&] { return !(seenWhileRunning = invocations()).empty(); }, kDelay - 1000ms)) {
    runningWhenSeen = !waitForProcessEnd(seenWhileRunning[0].processId, 0ms);
  }
  runner.join();
  const auto elapsed = std::chrono::steady_clock::now() - begun;

  ASSERT_EQ(seenWhileRunning.size(), 1u);
  EXPECT_EQ(seenWhileRunning[0].processId, run.processId);
  EXPECT_TRUE(runningWhenSeen);
  EXPECT_TRUE(waitForProcessEnd(run.processId, 5s));
  EXPECT_EQ(run.exitCode, 7u);
  EXPECT_GE(elapsed, kDelay);
}

TEST_F(StandInNetsh, FailsLoudlyOnAMalformedRulesFile) {
  ASSERT_TRUE(writeWholeFile(rules_, "no tabs here\n"));
  const CapturedRun run = runThroughCmd(L"wlan start hostednetwork");
  ASSERT_TRUE(run.ended);
  EXPECT_NE(run.exitCode, 0u);
  EXPECT_EQ(invocations().size(), 1u);
}

}  // namespace
}  // namespace vanterel::e2e
