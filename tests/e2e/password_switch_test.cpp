#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/screen_capture.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/vanterel_test.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

class PasswordSwitch : public VanterelTest {
 protected:
  HWND text2() const { return control(Control::Text2); }
  HWND label5() const { return control(Control::Label5); }

  // Clicks Label5 and waits for the masking and the caption to follow.
  void clickLabel5Expecting(wchar_t passwordChar, const wchar_t* caption) {
    clickAt(label5());
    EXPECT_TRUE(waitUntil(
        [&] { return passwordCharOf(text2()) == passwordChar && textOf(label5()) == caption; },
        kInputTimeout))
        << "masking " << static_cast<int>(passwordCharOf(text2())) << ", caption "
        << utf8(textOf(label5()));
  }

  // The box is repainted at once in its new form: what the screen shows of
  // it changes.
  void clickLabel5ExpectingRepaint(wchar_t passwordChar, const wchar_t* caption) {
    const RECT area = screenRect(text2());
    const ScreenImage before = captureScreen(area);
    ASSERT_FALSE(before.pixels.empty());
    clickLabel5Expecting(passwordChar, caption);
    EXPECT_TRUE(
        waitUntil([&] { return captureScreen(area).pixels != before.pixels; }, kInputTimeout))
        << "Text2 was not repainted";
  }
};

TEST_F(PasswordSwitch, FirstClickShowsThePasswordAndTheSecondMasksItAgain) {
  const std::wstring password = L"密码 with spaces & 符号!";
  ASSERT_TRUE(
      waitUntil([&] { return focusIn(window()) == control(Control::Text1); }, kInputTimeout));
  pressKey(control(Control::Text1), VK_TAB);
  ASSERT_TRUE(waitUntil([&] { return focusIn(window()) == text2(); }, kInputTimeout));
  typeCharacters(text2(), password);
  ASSERT_NO_FATAL_FAILURE(settle());
  ASSERT_EQ(textOf(text2()), password);
  ASSERT_EQ(passwordCharOf(text2()), L'*');
  // Away from Text2, so that its blinking caret cannot pass for a repaint.
  pressKey(text2(), VK_TAB);
  ASSERT_TRUE(
      waitUntil([&] { return focusIn(window()) == control(Control::Command1); }, kInputTimeout));

  ASSERT_NO_FATAL_FAILURE(clickLabel5ExpectingRepaint(L'\0', L"隐藏密码"));
  EXPECT_EQ(textOf(text2()), password);
  ASSERT_NO_FATAL_FAILURE(clickLabel5ExpectingRepaint(L'*', L"显示密码"));
  EXPECT_EQ(textOf(text2()), password);
  ASSERT_NO_FATAL_FAILURE(clickLabel5Expecting(L'\0', L"隐藏密码"));
  EXPECT_EQ(textOf(text2()), password);

  EXPECT_FALSE(findMessageBox(window()).has_value());
  EXPECT_TRUE(netshInvocations().empty());
}

TEST_F(PasswordSwitch, FlipsWithAnEmptyBox) {
  ASSERT_NO_FATAL_FAILURE(clickLabel5Expecting(L'\0', L"隐藏密码"));
  EXPECT_EQ(textOf(text2()), L"");
  ASSERT_NO_FATAL_FAILURE(clickLabel5Expecting(L'*', L"显示密码"));
  EXPECT_EQ(textOf(text2()), L"");
}

TEST_F(PasswordSwitch, WorksOnTheDisabledBoxWhileRunning) {
  const std::wstring password = L"abcd1234EFGH5678";
  ASSERT_TRUE(setText(control(Control::Text1), L"Vanterel test"));
  ASSERT_TRUE(setText(text2(), password));
  clickButton(control(Control::Command1));
  const auto box = waitForBox(kStartTimeout);
  ASSERT_TRUE(box.has_value()) << "no message box after pressing the button";
  // The password shows in clear although the box is masked.
  EXPECT_EQ(box->title, L"成功");
  EXPECT_EQ(box->text, L"无线局域网开启成功 ssid= Vanterel test  密码=" + password);
  EXPECT_EQ(box->buttons.size(), 1u);
  ASSERT_NO_FATAL_FAILURE(dismiss(*box));
  ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(text2()); }, kInputTimeout));
  EXPECT_EQ(textOf(control(Control::Command1)), L"关闭无线");
  EXPECT_EQ(netshInvocations().size(), 4u);

  ASSERT_NO_FATAL_FAILURE(clickLabel5ExpectingRepaint(L'\0', L"隐藏密码"));
  EXPECT_EQ(textOf(text2()), password);
  EXPECT_FALSE(IsWindowEnabled(text2()));
  ASSERT_NO_FATAL_FAILURE(clickLabel5ExpectingRepaint(L'*', L"显示密码"));
  EXPECT_EQ(textOf(text2()), password);
  EXPECT_FALSE(IsWindowEnabled(text2()));
  EXPECT_EQ(netshInvocations().size(), 4u);
}

}  // namespace
}  // namespace vanterel::e2e
