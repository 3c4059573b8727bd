#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/vanterel_test.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

using Closing = VanterelTest;

constexpr std::chrono::milliseconds kExitTimeout = 10s;

TEST_F(Closing, ClosingTheWindowEndsTheProgramAndLaunchesNothing) {
  closeWindow(window());
  ASSERT_TRUE(process().waitForExit(kExitTimeout)) << "the program is still running";
  EXPECT_EQ(process().exitCode().value_or(~0ul), 0ul);
  EXPECT_TRUE(netshInvocations().empty());
}

TEST_F(Closing, ClosingWhileRunningLaunchesNoStopCommand) {
  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", L"0123456789abcdef"));
  ASSERT_EQ(textOf(control(Control::Command1)), L"关闭无线");
  const std::size_t launchedToStart = netshInvocations().size();

  closeWindow(window());
  ASSERT_TRUE(process().waitForExit(kExitTimeout)) << "the program is still running";
  EXPECT_EQ(process().exitCode().value_or(~0ul), 0ul);
  EXPECT_EQ(netshInvocations().size(), launchedToStart);
}

}  // namespace
}  // namespace vanterel::e2e
