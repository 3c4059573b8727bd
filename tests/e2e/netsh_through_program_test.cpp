#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/utf8.h"
#include "tests/e2e/vanterel_test.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

// The harness seen through the program: the test's rules and log reach the
// netsh that the program starts through cmd, and what that netsh prints in
// the console code page comes back to the program as text.
using NetshThroughProgram = VanterelTest;

TEST_F(NetshThroughProgram, AnswersAndRecordsTheProgramsCommands) {
  ASSERT_NO_FATAL_FAILURE(setNetshRules({{u"keyUsage=persistent", 1, 0, u"参数错误。\r\n"}}));
  ASSERT_TRUE(setText(control(Control::Text1), L"Vanterel"));
  ASSERT_TRUE(setText(control(Control::Text2), L"0123456789abcdef"));
  clickButton(control(Control::Command1));

  const auto box = waitForBox(kStartTimeout);
  ASSERT_TRUE(box.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(box->title, L"错误");
  EXPECT_NE(box->text.find(L"参数错误。"), std::wstring::npos) << utf8(box->text);

  // Each record is a process of its own, up to the one that failed.
  const std::vector<NetshInvocation> launched = netshInvocations();
  ASSERT_FALSE(launched.empty());
  EXPECT_NE(launched.back().commandLine.find(u"keyUsage=persistent"), std::u16string::npos);
  for (std::size_t i = 1; i < launched.size(); ++i) {
    EXPECT_NE(launched[i].processId, launched[i - 1].processId);
  }
  ASSERT_NO_FATAL_FAILURE(dismiss(*box));
}

}  // namespace
}  // namespace vanterel::e2e
