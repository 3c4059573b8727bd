#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/press_test.h"
#include "tests/e2e/utf8.h"

namespace vanterel::e2e {
namespace {

using Quoting = PressTest;

// What a stray command among the hostile texts would leave behind.
const wchar_t* const kStrayFiles[] = {L"C:\\pwned.txt", L"C:\\p.txt"};

bool exists(const wchar_t* path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

// Through the real cmd.exe: each value arrives as the one argument after
// "ssid=" or "key=", and cmd runs nothing but netsh. A stray command
// would leave a file or an extra netsh record. Where netsh refuses a value
// by its own rules (a key of other than ASCII), that refusal is what the
// user sees; a name over 32 bytes the program refuses before anything runs.
TEST_F(Quoting, HostileTextsReachNetshIntactAndRunNothingElse) {
  for (const wchar_t* file : kStrayFiles) DeleteFileW(file);
  const wchar_t* const tooLong = L"无线名称太长";
  const wchar_t* const byKey = L"设置无线密码";
  struct Case {
    std::u16string name;
    std::u16string key;
    const wchar_t* refusedBy = nullptr;
  };
  const Case cases[] = {
      {u"x & echo pwned > C:\\pwned.txt", u"a\" & echo pwned > C:\\p.txt & \""},
      {u"& echo pwned > C:\\pwned.txt", u">C:\\pwned.txt \"中文\" & 😀 ^", byKey},
      {u"%PATH%", u"%OS%\"%CD%\"% 100% %%OS%% %CD:~0,1%"},
      {u"%OS% %", u"%PATH:~0,3% %0 %~1 %*"},
      {u"^ ^^ a^b ^", u"(x) | <y> !PATH! ! ^\" ^"},
      {u"\"", u"\"\"\"a\"b\"c\"\" 0123456789"},
      {u"\\", u"trailing backslashes\\\\"},
      {u"a\\\"b \\\\\"c\\", u"\\\\server\\share\\ \"quoted\\\"\""},
      {u"\" & netsh wlan stop hostednetwork & \"", u"x | netsh wlan stop hostednetwork", tooLong},
      {u"tab\there \t", u"\"tab\"\t\"\\\"\t\\ && || ^& 中文", byKey},
      {u"中文 & 😀 | \"引号\"", u"\" ^\" \\\" \\\\\" ) ( 0123456789"},
  };
  for (const Case& each : cases) {
    ASSERT_GE(each.key.size(), 16u);
    ASSERT_NO_FATAL_FAILURE(expectStartAndStopWith(each.name, each.key, each.refusedBy));
    for (const wchar_t* file : kStrayFiles) EXPECT_FALSE(exists(file)) << utf8(file);
  }
}

// cmd ends or splits its line at a control character, so no encoding can
// carry one: the press says which, and launches nothing.
TEST_F(Quoting, RefusesAControlCharacterNamingItAndLaunchesNothing) {
  struct Case {
    std::wstring name;
    std::wstring key;
    const wchar_t* named;
  };
  const Case cases[] = {
      {L"bad\x01name", L"0123456789abcdef", L"U+0001"},
      {L"Vanterel", L"0123456789abcdef\x7F", L"U+007F"},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(utf8(each.named));
    ASSERT_NO_FATAL_FAILURE(fill(each.name, each.key));
    const auto refused = press(kBoxTimeout);
    ASSERT_TRUE(refused.has_value()) << "no message box after pressing the button";
    EXPECT_EQ(refused->title, L"错误");
    EXPECT_NE(refused->text.find(each.named), std::wstring::npos) << utf8(refused->text);
    EXPECT_EQ(refused->buttons.size(), 1u);
    ASSERT_NO_FATAL_FAILURE(dismissExpectingNoOther(*refused));
    expectIdle();
  }
  EXPECT_TRUE(netshInvocations().empty());
}

}  // namespace
}  // namespace vanterel::e2e
