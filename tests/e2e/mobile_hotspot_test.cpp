#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "windows/win32_text.h"
#include "tests/e2e/driver_settings.h"
#include "tests/e2e/field_escape.h"
#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"

namespace vanterel::e2e {
namespace {

using Records = std::vector<std::vector<std::u16string>>;

const std::wstring kName = L"Vanterel 热点";
const std::wstring kKey = L"0123456789abcdef";
const wchar_t kManagerKey[] =
    L"Software\\Microsoft\\WindowsRuntime\\ActivatableClassId\\"
    L"Windows.Networking.NetworkOperators.NetworkOperatorTetheringManager";

bool contains(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

// An adapter whose driver cannot host: the start fails, the drivers say why.
class MobileHotspot : public PressTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(PressTest::SetUp());
    ASSERT_NO_FATAL_FAILURE(setWirelessAdapter(WirelessAdapter::CannotHost));
  }

  // Lines of name and value the stand-in classes answer by.
  void setTetheringRules(const std::vector<std::pair<std::u16string, std::u16string>>& rules) {
    std::string file;
    for (const auto& rule : rules)
      file += escapeField(rule.first) + '\t' + escapeField(rule.second) + '\n';
    ASSERT_TRUE(writeWholeFile(currentTestFile(L".tethering.rules"), file));
  }

  // The calls the stand-in classes recorded, each with its arguments.
  Records tetheringCalls() const {
    Records records;
    const std::string log = readWholeFile(currentTestFile(L".tethering.log"));
    for (const std::string& line : splitLines(log)) {
      std::vector<std::u16string> fields;
      for (const std::string& field : splitFields(line)) {
        fields.push_back(unescapeField(field).value_or(u"?"));
      }
      while (!fields.empty() && fields.back().empty()) fields.pop_back();
      records.push_back(fields);
    }
    return records;
  }

  void expectErrorBox(const std::vector<std::wstring>& parts) {
    const auto box = pressKeepingName();
    ASSERT_TRUE(box.has_value()) << "no message box after pressing the button";
    EXPECT_EQ(box->title, L"错误");
    for (const auto& part : parts) EXPECT_TRUE(contains(box->text, part)) << utf8(box->text);
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*box));
    expectIdle();
  }
};

// The name is kept when asked about; the hotspot's own settings come back
// at the stop.
TEST_F(MobileHotspot, StartsWithTheTypedNameAndKeyAndStops) {
  const TetheringState users = tetheringNow();
  ASSERT_NO_FATAL_FAILURE(fill(kName, kKey));
  const auto question = press();
  ASSERT_TRUE(question.has_value()) << "no message box after pressing the button";
  const auto started = keepName(*question);
  ASSERT_TRUE(started.has_value()) << "no question about the Chinese name, or no box after it";
  EXPECT_EQ(started->title, L"成功") << utf8(started->text);
  EXPECT_EQ(started->text, L"无线局域网开启成功 ssid= " + kName + L"  密码=" + kKey);
  // Each completion comes from a thread of the stand-in's, to an agile handler.
  const std::vector<std::u16string> agile = {u"handler", u"agile"};
  // Its no-connections timeout goes off while it runs.
  EXPECT_EQ(tetheringCalls(), (Records{{u"configure", fromWide(kName.c_str(), kName.size()),
                                        fromWide(kKey.c_str(), kKey.size())},
                                       agile,
                                       {u"start"},
                                       agile,
                                       {u"timeout off"},
                                       agile}));
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*started));
  expectRunning();

  const auto stopped = press();
  ASSERT_TRUE(stopped.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(stopped->title, L"成功");
  EXPECT_EQ(stopped->text, L"wifi已关闭");
  EXPECT_TRUE(launchedByPress().empty()) << "netsh ran to stop the Mobile hotspot";
  const Records calls = tetheringCalls();
  ASSERT_GE(calls.size(), 6u);
  EXPECT_EQ(Records(calls.end() - 6, calls.end()),
            (Records{{u"stop"},
                     agile,
                     {u"configure", users.ssid, users.passphrase},
                     agile,
                     {u"timeout on"},
                     agile}));
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*stopped));
  expectIdle();
  const TetheringState after = tetheringNow();
  EXPECT_EQ(after.ssid, users.ssid);
  EXPECT_EQ(after.passphrase, users.passphrase);
  EXPECT_EQ(after.state, TetheringState::Operational::Off);
}

// Closed and opened again while on: the new window's stop still gives the
// settings back, from the record the first one kept.
TEST_F(MobileHotspot, TheSettingsComeBackAfterTheWindowWasClosedAndOpenedAgain) {
  TetheringState users;
  users.ssid = u"家里的热点";
  users.passphrase = u"users-own-key";
  users.band = 2;
  ASSERT_NO_FATAL_FAILURE(setTethering(users));
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", kKey));
  const auto started = press();
  ASSERT_TRUE(started.has_value()) << "no message box after pressing the button";
  ASSERT_EQ(started->title, L"成功") << utf8(started->text);
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*started));
  EXPECT_EQ(tetheringNow().ssid, u"Vanterel");

  PostMessageW(window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(process().waitForExit(kWindowTimeout)) << "the window did not close";
  ASSERT_NO_FATAL_FAILURE(openProgram());
  // A new window opens idle, whatever the hotspot is doing.
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", kKey));
  const auto startedAgain = press();
  ASSERT_TRUE(startedAgain.has_value());
  ASSERT_EQ(startedAgain->title, L"成功") << utf8(startedAgain->text);
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*startedAgain));
  const auto stopped = press();
  ASSERT_TRUE(stopped.has_value());
  EXPECT_EQ(stopped->text, L"wifi已关闭");
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*stopped));

  const TetheringState after = tetheringNow();
  EXPECT_EQ(after.ssid, users.ssid);
  EXPECT_EQ(after.passphrase, users.passphrase);
  EXPECT_EQ(after.band, users.band);
}

// netsh in another language and code page (Japanese, 932), which the
// program does not read: wlanapi says the adapter cannot host.
TEST_F(MobileHotspot, IsReachedWhateverLanguageNetshWrites) {
  ASSERT_NO_FATAL_FAILURE(setNetshRules(
      {{u"start hostednetwork", 1, 0, u"ホストされたネットワークを開始できませんでした。\r\n", 932},
       {u"show drivers", 0, 0, u"ホストされたネットワークのサポート  : いいえ\r\n", 932}}));
  ASSERT_NO_FATAL_FAILURE(fill(L"Vanterel", kKey));
  const auto started = press();
  ASSERT_TRUE(started.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(started->title, L"成功") << utf8(started->text);
  const std::vector<NetshInvocation> launched = launchedByPress();
  ASSERT_EQ(launched.size(), 4u) << "the drivers were asked";
  EXPECT_EQ(netshArguments(launched[3]),
            (std::vector<std::u16string>{u"wlan", u"start", u"hostednetwork"}));
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*started));
  expectRunning();
}

// A name phones may show garbled is asked about first; No changes nothing.
TEST_F(MobileHotspot, AChineseNameIsAskedAboutAndNoLaunchesNothing) {
  ASSERT_NO_FATAL_FAILURE(fill(kName, kKey));
  const auto question = press();
  ASSERT_TRUE(question.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(question->title, L"提示");
  EXPECT_EQ(question->text,
            L"无线名称里有中文或其他非英文字符。Windows 会按本机的编码发送名称，很多手机会把它显示"
            L"成乱码。仍然使用这个名称吗？");
  ASSERT_NO_FATAL_FAILURE(answer(*question, IDNO));
  ASSERT_NO_FATAL_FAILURE(settle());
  EXPECT_FALSE(findMessageBox(window()).has_value());
  EXPECT_TRUE(launchedByPress().empty());
  EXPECT_TRUE(tetheringCalls().empty());
  expectIdle();
  EXPECT_EQ(textOf(control(Control::Text1)), kName);
  EXPECT_TRUE(
      waitUntil([&] { return focusIn(window()) == control(Control::Text1); }, kInputTimeout));
}

TEST_F(MobileHotspot, AFailureNamesItsStepAndLeavesTheWindowIdle) {
  ASSERT_NO_FATAL_FAILURE(fill(kName, kKey));
  ASSERT_NO_FATAL_FAILURE(setTetheringRules({{u"connection", u"none"}}));
  ASSERT_NO_FATAL_FAILURE(expectErrorBox({L"开启移动热点", L"没有连接到网络"}));
  EXPECT_TRUE(tetheringCalls().empty());

  ASSERT_NO_FATAL_FAILURE(
      setTetheringRules({{u"start", u"3"}, {u"start-message", u"无线电已关闭"}}));
  ASSERT_NO_FATAL_FAILURE(expectErrorBox({L"开启移动热点", L"请打开无线后再试", L"无线电已关闭"}));
  // Configured, refused, and configured back as it was found.
  const Records calls = tetheringCalls();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[4], (std::vector<std::u16string>{u"configure", TetheringState{}.ssid,
                                                   TetheringState{}.passphrase}));
  EXPECT_EQ(tetheringNow().ssid, TetheringState{}.ssid);
}

// The registration of the tethering class, away for as long as it lives.
class ClassRemoved {
 public:
  ClassRemoved() { removed_ = RegDeleteTreeW(HKEY_LOCAL_MACHINE, kManagerKey) == ERROR_SUCCESS; }
  ClassRemoved(const ClassRemoved&) = delete;
  ClassRemoved& operator=(const ClassRemoved&) = delete;
  ~ClassRemoved() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kManagerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    const wchar_t path[] = L"C:\\windows\\system32\\stand_in_tethering.dll";
    const DWORD zero = 0;
    RegSetValueExW(key, L"DllPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path), sizeof path);
    RegSetValueExW(key, L"ActivationType", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), 4);
    RegSetValueExW(key, L"Threading", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), 4);
    RegCloseKey(key);
  }
  bool removed() const { return removed_; }

 private:
  bool removed_ = false;
};

TEST_F(MobileHotspot, WithoutItTheDriversAdviceStays) {
  const ClassRemoved absent;
  ASSERT_TRUE(absent.removed());
  ASSERT_NO_FATAL_FAILURE(fill(kName, kKey));
  ASSERT_NO_FATAL_FAILURE(expectErrorBox(
      {L"启动承载网络", L"这块无线网卡的驱动不支持承载网络，无法用这种方式开启热点。"}));
  EXPECT_TRUE(tetheringCalls().empty());
}

}  // namespace
}  // namespace vanterel::e2e
