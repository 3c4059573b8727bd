#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/vanterel_test.h"

namespace vanterel::e2e {

// Tests of Command1 as the user meets it: fill the boxes, press, read the
// box the press ends with, and see which netsh commands it ran.
class PressTest : public VanterelTest {
 protected:
  // Replaces the texts of both boxes, as typing or pasting would.
  void fill(const std::wstring& name, const std::wstring& key);

  // Presses Command1 and waits for the message box the press shows.
  std::optional<MessageBoxView> press(std::chrono::milliseconds timeout = kStartTimeout);
  // Presses Command1 without waiting for anything.
  void click();
  // Answers the question a name phones may show garbled asks, and waits for
  // the box the press ends with; nothing when the box was no such question.
  std::optional<MessageBoxView> keepName(const MessageBoxView& question);
  // Presses Command1, keeps the name when asked about it, and waits for the
  // box the press ends with.
  std::optional<MessageBoxView> pressKeepingName();

  // The netsh runs recorded since the last press.
  std::vector<NetshInvocation> launchedByPress() const;

  // Dismisses the box and checks that no other box follows it.
  void dismissExpectingNoOther(const MessageBoxView& box);

  // Starts with the name and key (keeping a name that is asked about) and
  // checks that netsh received both intact, each as the one argument after
  // "ssid=" or "key=", and that the success box repeats them; then stops
  // again, back to idle. With `refusedBy`, the start is refused and the
  // window stays idle: by netsh at the key, by its own rules, when it names
  // that step (its error box names it, nothing more runs); otherwise by the
  // program before anything is launched, its error box saying `refusedBy`.
  void expectStartAndStopWith(const std::u16string& name, const std::u16string& key,
                              const wchar_t* refusedBy = nullptr);

  // Presses in the running state: one stop command, the "wifi已关闭" box,
  // then idle.
  void expectStopToIdle();

  void expectIdle() const;
  void expectRunning() const;

 private:
  std::size_t launchedBefore_ = 0;
};

// What netsh received after its own name, split by the standard rules.
std::vector<std::u16string> netshArguments(const NetshInvocation& invocation);

}  // namespace vanterel::e2e
