#include "hotspot/step_failure.h"

#include <gtest/gtest.h>

namespace vanterel {
namespace {

CommandRun runWith(CommandRun::Outcome outcome, std::uint32_t exitCode,
                   const std::u16string& output) {
  CommandRun run;
  run.outcome = outcome;
  run.exitCode = exitCode;
  run.output = output;
  return run;
}

const Step kStart{u"启动承载网络", u"cmd /c netsh wlan start hostednetwork", WindowStyle::Hidden};

TEST(StepFailure, OnlyAZeroExitSucceeds) {
  using Outcome = CommandRun::Outcome;
  EXPECT_TRUE(succeeded(runWith(Outcome::Exited, 0, u"")));
  EXPECT_TRUE(succeeded(runWith(Outcome::Exited, 0, u"error text is not looked at")));
  EXPECT_FALSE(succeeded(runWith(Outcome::Exited, 1, u"")));
  EXPECT_FALSE(succeeded(runWith(Outcome::Exited, 0xFFFFFFFF, u"")));
  // The exit code means nothing unless the program ran to its end.
  EXPECT_FALSE(succeeded(runWith(Outcome::CouldNotStart, 0, u"")));
  EXPECT_FALSE(succeeded(runWith(Outcome::TimedOut, 0, u"")));
}

TEST(StepFailure, NamesTheStepHowItFailedAndWhatNetshSaid) {
  using Outcome = CommandRun::Outcome;
  const struct {
    CommandRun run;
    std::u16string message;
  } cases[] = {
      {runWith(Outcome::Exited, 1, u"无法启动承载网络。\r\n"),
       u"“启动承载网络”失败：netsh 返回错误代码 1。\r\n\r\n无法启动承载网络。"},
      {runWith(Outcome::Exited, 4294967295u, u""),
       u"“启动承载网络”失败：netsh 返回错误代码 4294967295。"},
      {runWith(Outcome::CouldNotStart, 0, u"系统找不到指定的文件。"),
       u"“启动承载网络”失败：无法启动命令解释器 cmd。\r\n\r\n系统找不到指定的文件。"},
      {runWith(Outcome::TimedOut, 0, u""),
       u"“启动承载网络”失败：命令在 30 秒内没有结束，已被终止。"},
      {runWith(Outcome::TimedOut, 0, u" \t\r\n "),
       u"“启动承载网络”失败：命令在 30 秒内没有结束，已被终止。"},
      {runWith(Outcome::Exited, 2, u"\r\n  line one\r\n\r\n  line two  \r\n"),
       u"“启动承载网络”失败：netsh 返回错误代码 2。\r\n\r\nline one\r\n\r\n  line two"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(describeFailure(kStart, c.run), c.message);
  }
}

TEST(StepFailure, LongOutputIsCutAfterTrimming) {
  const std::u16string header = u"“启动承载网络”失败：netsh 返回错误代码 1。\r\n\r\n";
  const std::u16string limit(1500, u'x');

  EXPECT_EQ(describeFailure(kStart, runWith(CommandRun::Outcome::Exited, 1, limit)),
            header + limit);
  EXPECT_EQ(
      describeFailure(kStart, runWith(CommandRun::Outcome::Exited, 1, u"\r\n  " + limit + u"\r\n")),
      header + limit);
  EXPECT_EQ(describeFailure(kStart, runWith(CommandRun::Outcome::Exited, 1, limit + u"y")),
            header + limit + u"……");
}

TEST(StepFailure, CuttingNeverSplitsASurrogatePair) {
  // The 1500th unit is the first half of an emoji.
  const std::u16string output = std::u16string(1499, u'x') + u"😀😀";
  const std::u16string header = u"“启动承载网络”失败：netsh 返回错误代码 1。\r\n\r\n";
  const std::u16string ending = u"……";
  const std::u16string message =
      describeFailure(kStart, runWith(CommandRun::Outcome::Exited, 1, output));

  ASSERT_GT(message.size(), header.size() + ending.size());
  ASSERT_EQ(message.substr(message.size() - ending.size()), ending);
  const std::u16string kept =
      message.substr(header.size(), message.size() - header.size() - ending.size());
  EXPECT_EQ(output.compare(0, kept.size(), kept), 0);
  EXPECT_GE(kept.size(), 1499u);
  EXPECT_FALSE(kept.back() >= 0xD800 && kept.back() <= 0xDBFF) << "a lone high surrogate is kept";
}

}  // namespace
}  // namespace vanterel
