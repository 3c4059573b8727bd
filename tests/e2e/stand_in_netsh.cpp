// Takes the place of the system's netsh.exe in the test prefix: records how
// it was called and answers as the test's rules say, or else as netsh does
// on the machine the test simulates, so the tests can see exactly what the
// program launched and meet netsh's refusals without touching a network.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "windows/win32_text.h"
#include "tests/e2e/environment_block.h"
#include "tests/e2e/netsh_log_format.h"
#include "tests/e2e/netsh_model.h"
#include "tests/e2e/netsh_rules_format.h"
#include "tests/e2e/netsh_state_file.h"
#include "tests/e2e/test_files.h"

namespace {

using vanterel::e2e::FileRead;
using vanterel::e2e::NetshAnswer;
using vanterel::e2e::NetshInvocation;
using vanterel::e2e::NetshRule;
using vanterel::e2e::NetshState;

// Exit codes when the rules or the state cannot be read, so a broken test
// setup shows as a failed command rather than as a success.
constexpr UINT kUnreadableRules = 9901;
constexpr UINT kUnreadableState = 9902;

std::u16string toText(const wchar_t* text) { return vanterel::fromWide(text, wcslen(text)); }

// Console programs print in the console's output code page (GBK on a
// Chinese system), unless told another; the program under test has to
// decode it.
void print(HANDLE stream, const std::u16string& text, UINT codePage = 0) {
  if (text.empty()) return;
  if (codePage == 0) codePage = GetConsoleOutputCP();
  if (codePage == 0) codePage = GetOEMCP();
  const std::wstring wide = vanterel::toWide(text);
  const int units = static_cast<int>(wide.size());
  const int size =
      WideCharToMultiByte(codePage, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), units, &bytes[0], size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(stream, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::size_t consoleCodePageLength(const std::u16string& text) {
  UINT codePage = GetConsoleOutputCP();
  if (codePage == 0) codePage = GetOEMCP();
  const std::wstring wide = vanterel::toWide(text);
  return static_cast<std::size_t>(WideCharToMultiByte(
      codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr));
}

NetshInvocation thisInvocation() {
  NetshInvocation invocation;
  invocation.processId = GetCurrentProcessId();
  const wchar_t* commandLine = GetCommandLineW();
  invocation.commandLine = toText(commandLine);
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
  if (arguments != nullptr) {
    for (int i = 0; i < count; ++i) invocation.arguments.push_back(toText(arguments[i]));
    LocalFree(arguments);
  }
  return invocation;
}

}  // namespace

int wmain(int, wchar_t**) {
  const NetshInvocation invocation = thisInvocation();
  const std::wstring logPath = vanterel::e2e::environmentVariable(L"VANTEREL_NETSH_LOG");
  // Recorded before anything else, so a run that is ended early still shows.
  if (!logPath.empty())
    vanterel::e2e::appendToFile(logPath, vanterel::e2e::formatInvocation(invocation));

  // No rules file means no rules; a broken one must not pass for success.
  std::vector<NetshRule> rules;
  const std::wstring rulesPath = vanterel::e2e::environmentVariable(L"VANTEREL_NETSH_RULES");
  std::string content;
  const FileRead read =
      rulesPath.empty() ? FileRead::Missing : vanterel::e2e::readFile(rulesPath, content);
  if (read != FileRead::Missing) {
    const auto parsed =
        read == FileRead::Read ? vanterel::e2e::parseNetshRules(content) : std::nullopt;
    if (!parsed) {
      print(GetStdHandle(STD_ERROR_HANDLE), u"stand-in netsh: unreadable rules file\r\n");
      return static_cast<int>(kUnreadableRules);
    }
    rules = *parsed;
  }

  // A rule that fails answers alone; one that succeeds only slows netsh down.
  const NetshRule* rule = vanterel::e2e::ruleFor(rules, invocation.commandLine);
  if (rule != nullptr) {
    print(GetStdHandle(STD_OUTPUT_HANDLE), rule->output, rule->codePage);
    Sleep(rule->delayMilliseconds);
    if (rule->exitCode != 0) return static_cast<int>(rule->exitCode);
  }

  const std::wstring state = vanterel::e2e::netshStatePath();
  const auto before = vanterel::e2e::readNetshState(state);
  if (!before) {
    print(GetStdHandle(STD_ERROR_HANDLE), u"stand-in netsh: unreadable state file\r\n");
    return static_cast<int>(kUnreadableState);
  }
  NetshState after = *before;
  // Its own name first, then what netsh reads.
  std::vector<std::u16string> arguments = invocation.arguments;
  if (!arguments.empty()) arguments.erase(arguments.begin());
  const NetshAnswer answer = vanterel::e2e::answerNetsh(arguments, after, &consoleCodePageLength);
  if (!(after == *before))
    vanterel::e2e::writeWholeFile(state, vanterel::e2e::formatNetshState(after));
  print(GetStdHandle(STD_OUTPUT_HANDLE), answer.output);
  return static_cast<int>(answer.exitCode);
}
