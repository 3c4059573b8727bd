#include "tests/e2e/press_test.h"

#include "tests/e2e/utf8.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {

void PressTest::fill(const std::wstring& name, const std::wstring& key) {
  ASSERT_TRUE(setText(control(ControlId::Text1), name));
  ASSERT_TRUE(setText(control(ControlId::Text2), key));
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
  clickButton(control(ControlId::Command1));
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

void PressTest::expectIdle() const {
  EXPECT_EQ(textOf(control(ControlId::Command1)), L"一键开启");
  EXPECT_TRUE(IsWindowEnabled(control(ControlId::Text1)));
  EXPECT_TRUE(IsWindowEnabled(control(ControlId::Text2)));
}

void PressTest::expectRunning() const {
  EXPECT_EQ(textOf(control(ControlId::Command1)), L"关闭无线");
  EXPECT_FALSE(IsWindowEnabled(control(ControlId::Text1)));
  EXPECT_FALSE(IsWindowEnabled(control(ControlId::Text2)));
}

std::vector<std::u16string> netshArguments(const NetshInvocation& invocation) {
  if (invocation.arguments.empty()) return {};
  return std::vector<std::u16string>(invocation.arguments.begin() + 1, invocation.arguments.end());
}

}  // namespace vanterel::e2e
