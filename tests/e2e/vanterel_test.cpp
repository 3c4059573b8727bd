#include "tests/e2e/vanterel_test.h"

#include "tests/e2e/driver_settings.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {

void VanterelTest::SetUp() {
  const DriverSettings& settings = driverSettings();
  ASSERT_FALSE(settings.program.empty()) << "VANTEREL_E2E_PROGRAM is not set";
  ASSERT_FALSE(settings.workFolder.empty()) << "VANTEREL_E2E_WORK is not set";
  netshLog_ = currentTestFile(L".netsh.log");
  netshRules_ = currentTestFile(L".netsh.rules");
  netshState_ = currentTestFile(L".netsh.state");
  const std::wstring tetheringLog = currentTestFile(L".tethering.log");
  const std::wstring tetheringRules = currentTestFile(L".tethering.rules");
  for (const auto& file : {netshLog_, netshRules_, netshState_, tetheringLog, tetheringRules}) {
    DeleteFileW(file.c_str());
  }

  std::wstring error;
  ASSERT_TRUE(process_.start(settings.program,
                             {{L"VANTEREL_NETSH_LOG", netshLog_},
                              {L"VANTEREL_NETSH_RULES", netshRules_},
                              {L"VANTEREL_NETSH_STATE", netshState_},
                              {L"VANTEREL_TETHERING_LOG", tetheringLog},
                              {L"VANTEREL_TETHERING_RULES", tetheringRules}},
                             error))
      << utf8(error);
  ASSERT_TRUE(waitUntil([&] { return (window_ = findMainWindow(process_.id())) != nullptr; },
                        kWindowTimeout))
      << "no visible main window";
  // Answered only once the program's thread takes messages.
  ASSERT_TRUE(ask(window_, WM_NULL).has_value());
}

void VanterelTest::TearDown() { process_.terminate(); }

void VanterelTest::setNetshRules(const std::vector<NetshRule>& rules) {
  ASSERT_TRUE(writeNetshRules(netshRules_, rules));
}

void VanterelTest::setWirelessAdapter(WirelessAdapter adapter) {
  NetshState state;
  state.adapter = adapter;
  ASSERT_TRUE(writeWholeFile(netshState_, formatNetshState(state)));
}

std::vector<NetshInvocation> VanterelTest::netshInvocations() const {
  const auto invocations = readNetshLog(netshLog_);
  EXPECT_TRUE(invocations.has_value()) << "the netsh log is malformed";
  return invocations.value_or(std::vector<NetshInvocation>{});
}

std::optional<MessageBoxView> VanterelTest::waitForBox(std::chrono::milliseconds timeout) const {
  return waitForMessageBox(window_, timeout);
}

void VanterelTest::dismiss(const MessageBoxView& box) {
  ASSERT_TRUE(dismissMessageBox(box, kBoxTimeout)) << "the message box stayed open";
}

void VanterelTest::settle() {
  ASSERT_TRUE(waitForPostedInput(control(ControlId::Text1), kInputTimeout))
      << "the program did not take its input";
}

void VanterelTest::startHostedNetwork(const std::wstring& name, const std::wstring& key) {
  ASSERT_TRUE(setText(control(ControlId::Text1), name));
  ASSERT_TRUE(setText(control(ControlId::Text2), key));
  clickButton(control(ControlId::Command1));
  const auto box = waitForBox(kStartTimeout);
  ASSERT_TRUE(box.has_value()) << "no message box after pressing the button";
  ASSERT_EQ(box->title, L"成功") << utf8(box->text);
  ASSERT_NO_FATAL_FAILURE(dismiss(*box));
  ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(control(ControlId::Text2)); }, kInputTimeout))
      << "the window did not switch to running";
}

}  // namespace vanterel::e2e
