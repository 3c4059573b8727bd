#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/utf8.h"
#include "tests/e2e/vanterel_test.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

using Keyboard = VanterelTest;

TEST_F(Keyboard, FocusStartsInText1) {
  EXPECT_TRUE(
      waitUntil([&] { return focusIn(window()) == control(Control::Text1); }, kInputTimeout));
}

TEST_F(Keyboard, TabGoesText1Text2Command1AndBackSkippingTheLabels) {
  ASSERT_TRUE(
      waitUntil([&] { return focusIn(window()) == control(Control::Text1); }, kInputTimeout));
  const Control order[] = {Control::Text2, Control::Command1, Control::Text1, Control::Text2};
  for (Control next : order) {
    pressKey(focusIn(window()), VK_TAB);
    EXPECT_TRUE(waitUntil([&] { return focusIn(window()) == control(next); }, kInputTimeout))
        << "expected the focus on control " << static_cast<int>(next);
  }
}

// With both boxes empty a press of Command1 would show "密码或名称不能为空"
// at once, so any press shows as a message box.
TEST_F(Keyboard, EnterAndEscapeInTheTextBoxesDoNothing) {
  ASSERT_TRUE(
      waitUntil([&] { return focusIn(window()) == control(Control::Text1); }, kInputTimeout));
  for (Control box : {Control::Text1, Control::Text2}) {
    if (box == Control::Text2) {
      pressKey(control(Control::Text1), VK_TAB);
      ASSERT_TRUE(waitUntil([&] { return focusIn(window()) == control(box); }, kInputTimeout));
    }
    pressKey(control(box), VK_RETURN);
    pressKey(control(box), VK_ESCAPE);
    ASSERT_NO_FATAL_FAILURE(settle());

    const auto shown = findMessageBox(window());
    EXPECT_FALSE(shown.has_value()) << "a box appeared: " << utf8(shown ? shown->text : L"");
    EXPECT_EQ(focusIn(window()), control(box));
  }
  EXPECT_TRUE(process().running());
  EXPECT_TRUE(IsWindowVisible(window()));
  EXPECT_EQ(textOf(control(Control::Command1)), L"一键开启");
  EXPECT_TRUE(netshInvocations().empty());
}

}  // namespace
}  // namespace vanterel::e2e
