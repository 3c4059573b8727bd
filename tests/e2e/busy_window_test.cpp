#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "tests/e2e/app_process.h"
#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

using BusyWindow = PressTest;

// Long enough to press, type and close while it runs.
constexpr std::chrono::milliseconds kSlowStep = 4s;

TEST_F(BusyWindow, AnswersButTakesNoInputWhileTheCommandsRun) {
  ASSERT_NO_FATAL_FAILURE(
      setNetshRules({{u"mode=allow", 0, static_cast<std::uint32_t>(kSlowStep.count()), u""}}));
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", L"0123456789abcdef"));
  click();
  std::vector<NetshInvocation> running;
  ASSERT_TRUE(waitUntil([&] { return !(running = launchedByPress()).empty(); }, kStartTimeout))
      << "the first command did not start";

  const HWND button = control(Control::Command1);
  const HWND text1 = control(Control::Text1);
  clickButton(button);
  clickAt(button);
  clickAt(text1);
  typeCharacters(text1, L"typed");
  pressKey(text1, VK_RETURN);
  closeWindow(window());

  wchar_t caption[32] = {};
  DWORD_PTR copied = 0;
  const auto asked = std::chrono::steady_clock::now();
  const bool answered =
      SendMessageTimeoutW(window(), WM_GETTEXT, std::size(caption),
                          reinterpret_cast<LPARAM>(caption), SMTO_ABORTIFHUNG, 1000, &copied) != 0;
  const auto took = std::chrono::steady_clock::now() - asked;
  EXPECT_TRUE(answered);
  EXPECT_LT(took, 1s);
  EXPECT_EQ(std::wstring(caption, copied), L"Vanterel");

  // Everything above has reached the window while the first command ran.
  ASSERT_NO_FATAL_FAILURE(settle());
  ASSERT_FALSE(waitForProcessEnd(running[0].processId, 0ms))
      << "the slow command ended before the input was handled";
  EXPECT_FALSE(findMessageBox(window()).has_value());

  const auto started = waitForBox(kStartTimeout);
  ASSERT_TRUE(started.has_value()) << "no message box after the commands";
  EXPECT_EQ(started->title, L"成功") << utf8(started->text);
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*started));
  expectRunning();
  EXPECT_EQ(launchedByPress().size(), 4u);
  EXPECT_EQ(textOf(text1), L"Vanterel");
  EXPECT_TRUE(process().running());
  EXPECT_TRUE(IsWindowVisible(window()));
}

}  // namespace
}  // namespace vanterel::e2e
