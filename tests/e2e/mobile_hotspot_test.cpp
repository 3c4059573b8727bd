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
    const auto box = press();
    ASSERT_TRUE(box.has_value()) << "no message box after pressing the button";
    EXPECT_EQ(box->title, L"错误");
    for (const auto& part : parts) EXPECT_TRUE(contains(box->text, part)) << utf8(box->text);
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*box));
    expectIdle();
  }
};

TEST_F(MobileHotspot, StartsWithTheTypedNameAndKeyAndStops) {
  ASSERT_NO_FATAL_FAILURE(fill(kName, kKey));
  const auto started = press();
  ASSERT_TRUE(started.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(started->title, L"成功") << utf8(started->text);
  EXPECT_EQ(started->text, L"无线局域网开启成功 ssid= " + kName + L"  密码=" + kKey);
  // Each completion comes from a thread of the stand-in's, to an agile handler.
  const std::vector<std::u16string> agile = {u"handler", u"agile"};
  EXPECT_EQ(tetheringCalls(), (Records{{u"configure", fromWide(kName.c_str(), kName.size()),
                                        fromWide(kKey.c_str(), kKey.size())},
                                       agile,
                                       {u"start"},
                                       agile}));
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*started));
  expectRunning();

  const auto stopped = press();
  ASSERT_TRUE(stopped.has_value()) << "no message box after pressing the button";
  EXPECT_EQ(stopped->title, L"成功");
  EXPECT_EQ(stopped->text, L"wifi已关闭");
  EXPECT_TRUE(launchedByPress().empty()) << "netsh ran to stop the Mobile hotspot";
  const Records calls = tetheringCalls();
  EXPECT_EQ(Records(calls.end() - 2, calls.end()), (Records{{u"stop"}, agile}));
  ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*stopped));
  expectIdle();
}

TEST_F(MobileHotspot, AFailureNamesItsStepAndLeavesTheWindowIdle) {
  ASSERT_NO_FATAL_FAILURE(fill(kName, kKey));
  ASSERT_NO_FATAL_FAILURE(setTetheringRules({{u"connection", u"none"}}));
  ASSERT_NO_FATAL_FAILURE(expectErrorBox({L"开启移动热点", L"没有连接到网络"}));
  EXPECT_TRUE(tetheringCalls().empty());

  ASSERT_NO_FATAL_FAILURE(
      setTetheringRules({{u"start", u"3"}, {u"start-message", u"无线电已关闭"}}));
  ASSERT_NO_FATAL_FAILURE(expectErrorBox({L"开启移动热点", L"请打开无线后再试", L"无线电已关闭"}));
  EXPECT_EQ(tetheringCalls().size(), 4u);
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
