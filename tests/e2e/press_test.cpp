#include "tests/e2e/press_test.h"

#include "hotspot/network_name.h"
#include "windows/win32_text.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {

void PressTest::fill(const std::wstring& name, const std::wstring& key) {
  ASSERT_TRUE(setText(control(Control::Text1), name));
  ASSERT_TRUE(setText(control(Control::Text2), key));
}

std::optional<MessageBoxView> PressTest::press(std::chrono::milliseconds timeout) {
  click();
  // After a long wait the box shows a moment before its thread reads its
  // queue again; Wine deems the thread hung until then, and the box's texts
  // read as empty. Every box of the program has a title.
  std::optional<MessageBoxView> box;
  waitUntil([&] { return (box = findMessageBox(window())) && !box->title.empty(); }, timeout);
  return box;
}

void PressTest::click() {
  launchedBefore_ = netshInvocations().size();
  clickButton(control(Control::Command1));
}

std::optional<MessageBoxView> PressTest::keepName(const MessageBoxView& question) {
  if (question.title != L"提示" ||
      question.text.find(L"仍然使用这个名称吗") == std::wstring::npos) {
    return std::nullopt;
  }
  answer(question, IDYES);
  std::optional<MessageBoxView> box;
  waitUntil([&] { return (box = findMessageBox(window())) && !box->title.empty(); }, kStartTimeout);
  return box;
}

std::optional<MessageBoxView> PressTest::pressKeepingName() {
  const auto box = press();
  if (!box) return box;
  const auto next = keepName(*box);
  return next ? next : box;
}

std::vector<NetshInvocation> PressTest::launchedByPress() const {
  const std::vector<NetshInvocation> all = netshInvocations();
  if (all.size() < launchedBefore_) return {};
  return std::vector<NetshInvocation>(all.begin() + static_cast<std::ptrdiff_t>(launchedBefore_),
                                      all.end());
}

void PressTest::dismissExpectingNoOther(const MessageBoxView& box) {
  ASSERT_NO_FATAL_FAILURE(dismiss(box));
  // Input posted now is handled once the handler has returned or waits
  // again: a next box then shows already; a further command shows in the
  // records the callers count.
  ASSERT_NO_FATAL_FAILURE(settle());
  const auto next = findMessageBox(window());
  EXPECT_FALSE(next.has_value()) << "another box followed: " << utf8(next ? next->text : L"");
}

void PressTest::expectStartAndStopWith(const std::u16string& name, const std::u16string& key,
                                       const wchar_t* refusedBy) {
  using Arguments = std::vector<std::u16string>;
  SCOPED_TRACE(utf8(toWide(name)) + " / " + utf8(toWide(key)));
  ASSERT_NO_FATAL_FAILURE(fill(toWide(name), toWide(key)));
  auto box = press();
  ASSERT_TRUE(box.has_value()) << "no message box after pressing the button";
  const bool byNetsh = refusedBy != nullptr && std::wstring(refusedBy) == L"设置无线密码";
  const bool byProgram = refusedBy != nullptr && !byNetsh;
  if (!isPrintableAscii(name) && !byProgram) {
    box = keepName(*box);
    ASSERT_TRUE(box.has_value()) << "no question for a name phones may show garbled";
  }
  const std::vector<NetshInvocation> launched = launchedByPress();
  if (byProgram) {
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(box->title, L"错误");
    EXPECT_NE(box->text.find(refusedBy), std::wstring::npos) << utf8(box->text);
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*box));
    expectIdle();
    return;
  }
  ASSERT_EQ(launched.size(), byNetsh ? 3u : 4u);
  EXPECT_EQ(netshArguments(launched[1]),
            (Arguments{u"wlan", u"set", u"hostednetwork", u"ssid=" + name}))
      << utf8(toWide(launched[1].commandLine));
  if (launched.size() > 2) {
    EXPECT_EQ(netshArguments(launched[2]),
              (Arguments{u"wlan", u"set", u"hostednetwork", u"key=" + key, u"keyUsage=persistent"}))
        << utf8(toWide(launched[2].commandLine));
  }
  if (refusedBy != nullptr) {
    EXPECT_EQ(box->title, L"错误");
    EXPECT_NE(box->text.find(std::wstring(L"“") + refusedBy + L"”失败"), std::wstring::npos)
        << utf8(box->text);
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*box));
    expectIdle();
    return;
  }
  EXPECT_EQ(box->title, L"成功") << utf8(box->text);
  EXPECT_EQ(box->text, L"无线局域网开启成功 ssid= " + toWide(name) + L"  密码=" + toWide(key));
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*box));
  expectRunning();
  ASSERT_NO_FATAL_FAILURE(expectStopToIdle());
}

void PressTest::expectStopToIdle() {
  const auto stopped = press();
  ASSERT_TRUE(stopped.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(stopped->text, L"wifi已关闭");
  EXPECT_EQ(launchedByPress().size(), 1u);
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*stopped));
  expectIdle();
}

void PressTest::expectIdle() const {
  EXPECT_EQ(textOf(control(Control::Command1)), L"一键开启");
  EXPECT_TRUE(IsWindowEnabled(control(Control::Text1)));
  EXPECT_TRUE(IsWindowEnabled(control(Control::Text2)));
}

void PressTest::expectRunning() const {
  EXPECT_EQ(textOf(control(Control::Command1)), L"关闭无线");
  EXPECT_FALSE(IsWindowEnabled(control(Control::Text1)));
  EXPECT_FALSE(IsWindowEnabled(control(Control::Text2)));
}

std::vector<std::u16string> netshArguments(const NetshInvocation& invocation) {
  if (invocation.arguments.empty()) return {};
  return std::vector<std::u16string>(invocation.arguments.begin() + 1, invocation.arguments.end());
}

}  // namespace vanterel::e2e
