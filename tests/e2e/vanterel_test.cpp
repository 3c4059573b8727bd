// IP Helper needs Winsock's definitions before windows.h.
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>

#include "tests/e2e/vanterel_test.h"

#include <shlobj.h>

#include "tests/e2e/driver_settings.h"
#include "tests/e2e/test_files.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

// Found as the program finds it, by other calls.
std::string adapterOfRouteToInternet() {
  DWORD index = 0;
  if (GetBestInterface(0x01010101, &index) != NO_ERROR) return "";
  ULONG size = 0;
  GetAdaptersAddresses(AF_INET, 0, nullptr, nullptr, &size);
  std::vector<ULONGLONG> buffer(size / sizeof(ULONGLONG) + 1);
  auto* adapters = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
  if (GetAdaptersAddresses(AF_INET, 0, nullptr, adapters, &size) != NO_ERROR) return "";
  for (auto* adapter = adapters; adapter != nullptr; adapter = adapter->Next) {
    if (adapter->IfIndex == index) return adapter->AdapterName;
  }
  return "";
}

}  // namespace

void VanterelTest::SetUp() {
  const DriverSettings& settings = driverSettings();
  ASSERT_FALSE(settings.program.empty()) << "VANTEREL_E2E_PROGRAM is not set";
  ASSERT_FALSE(settings.workFolder.empty()) << "VANTEREL_E2E_WORK is not set";
  netshLog_ = currentTestFile(L".netsh.log");
  netshRules_ = currentTestFile(L".netsh.rules");
  netshState_ = currentTestFile(L".netsh.state");
  tetheringState_ = currentTestFile(L".tethering.state");
  const std::wstring tetheringLog = currentTestFile(L".tethering.log");
  const std::wstring tetheringRules = currentTestFile(L".tethering.rules");
  sharingSetup_ = currentTestFile(L".sharing.setup");
  sharingLog_ = currentTestFile(L".sharing.log");
  for (const auto& file : {netshLog_, netshRules_, netshState_, tetheringState_, tetheringLog,
                           tetheringRules, sharingSetup_, sharingLog_}) {
    DeleteFileW(file.c_str());
  }
  routeAdapter_ = adapterOfRouteToInternet();
  ASSERT_FALSE(routeAdapter_.empty()) << "Wine has no route to a public address";
  SharingSetup network;
  network.hosted = kHostedAdapter;
  network.connections = {{routeAdapter_, "none"}, {kHostedAdapter, "none"}};
  ASSERT_NO_FATAL_FAILURE(setSharing(network));

  DeleteFileW(sharingRecordPath().c_str());
  environment_ = {{L"VANTEREL_NETSH_LOG", netshLog_},
                  {L"VANTEREL_NETSH_RULES", netshRules_},
                  {L"VANTEREL_NETSH_STATE", netshState_},
                  {L"VANTEREL_TETHERING_LOG", tetheringLog},
                  {L"VANTEREL_TETHERING_RULES", tetheringRules},
                  {L"VANTEREL_TETHERING_STATE", tetheringState_},
                  {L"VANTEREL_SHARING_SETUP", sharingSetup_},
                  {L"VANTEREL_SHARING_LOG", sharingLog_}};
  ASSERT_NO_FATAL_FAILURE(openProgram());
}

void VanterelTest::openProgram() {
  std::wstring error;
  const std::wstring& program = program_.empty() ? driverSettings().program : program_;
  ASSERT_TRUE(process_.start(program, environment_, error, folder_)) << utf8(error);
  ASSERT_TRUE(waitUntil([&] { return (window_ = findMainWindow(process_.id())) != nullptr; },
                        kWindowTimeout))
      << "no visible main window";
  // Answered only once the program's thread takes messages.
  ASSERT_TRUE(ask(window_, WM_NULL).has_value());
}

void VanterelTest::startFrom(const std::wstring& program, const std::wstring& folder) {
  program_ = program;
  folder_ = folder;
}

std::wstring VanterelTest::sharingRecordPath() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return L"";
  }
  return std::wstring(folder) + L"\\Vanterel\\sharing-record.txt";
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

void VanterelTest::changeMachine(const std::function<void(NetshState&)>& change) {
  std::string stored;
  NetshState state;
  if (readFile(netshState_, stored) == FileRead::Read) {
    const auto read = parseNetshState(stored);
    ASSERT_TRUE(read.has_value()) << "the netsh state is unreadable";
    state = *read;
  }
  change(state);
  ASSERT_TRUE(writeWholeFile(netshState_, formatNetshState(state)));
}

void VanterelTest::setRadio(bool on) {
  changeMachine([on](NetshState& state) { state.radioOn = on; });
}

void VanterelTest::setTethering(const TetheringState& state) {
  ASSERT_TRUE(writeWholeFile(tetheringState_, formatTetheringState(state)));
}

TetheringState VanterelTest::tetheringNow() const {
  // No file yet: as the stand-in starts.
  const auto state = parseTetheringState(readWholeFile(tetheringState_));
  EXPECT_TRUE(state.has_value()) << "the tethering state is unreadable";
  return state.value_or(TetheringState{});
}

std::vector<NetshInvocation> VanterelTest::netshInvocations() const {
  const auto invocations = readNetshLog(netshLog_);
  EXPECT_TRUE(invocations.has_value()) << "the netsh log is malformed";
  return invocations.value_or(std::vector<NetshInvocation>{});
}

void VanterelTest::setSharing(const SharingSetup& setup) {
  ASSERT_TRUE(writeSharingSetup(sharingSetup_, setup));
}

SharingSetup VanterelTest::sharingNow() const {
  const auto setup = readSharingSetup(sharingSetup_);
  EXPECT_TRUE(setup.has_value()) << "the sharing setup is unreadable";
  return setup.value_or(SharingSetup{});
}

std::vector<std::string> VanterelTest::sharingChanges() const {
  return readSharingLog(sharingLog_);
}

std::optional<MessageBoxView> VanterelTest::waitForBox(std::chrono::milliseconds timeout) const {
  return waitForMessageBox(window_, timeout);
}

void VanterelTest::dismiss(const MessageBoxView& box) {
  ASSERT_TRUE(dismissMessageBox(box, kBoxTimeout)) << "the message box stayed open";
}

void VanterelTest::answer(const MessageBoxView& box, int buttonId) {
  ASSERT_TRUE(answerMessageBox(box, buttonId, kBoxTimeout)) << "the message box stayed open";
}

void VanterelTest::settle() {
  ASSERT_TRUE(waitForPostedInput(control(Control::Text1), kInputTimeout))
      << "the program did not take its input";
}

void VanterelTest::startHostedNetwork(const std::wstring& name, const std::wstring& key) {
  ASSERT_TRUE(setText(control(Control::Text1), name));
  ASSERT_TRUE(setText(control(Control::Text2), key));
  clickButton(control(Control::Command1));
  const auto box = waitForBox(kStartTimeout);
  ASSERT_TRUE(box.has_value()) << "no message box after pressing the button";
  ASSERT_EQ(box->title, L"成功") << utf8(box->text);
  ASSERT_NO_FATAL_FAILURE(dismiss(*box));
  ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(control(Control::Text2)); }, kInputTimeout))
      << "the window did not switch to running";
}

}  // namespace vanterel::e2e
