#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"

namespace vanterel {

// Form1 in memory: starts as the stored description says, records every
// message box and command, and answers commands as a test tells it to.
class FakeMainWindow final : public MainWindow {
 public:
  struct Box {
    std::u16string prompt;
    int buttons;
    std::u16string title;
  };
  struct Launch {
    std::u16string commandLine;
    WindowStyle style;
    std::chrono::milliseconds timeout;
  };

  FakeMainWindow();

  // What the user does between clicks; a disabled box takes no typing.
  void type(Control box, const std::u16string& text);

  // How each command ends; by default it exits with 0 and prints nothing.
  std::function<CommandRun(const std::u16string& commandLine)> commandOutcome;

  std::vector<Box> boxes;
  std::vector<Launch> launches;

  std::u16string text(Control control) const override;
  int enabled(Control control) const override;
  void setEnabled(Control control, int value) override;
  std::u16string passwordChar(Control control) const override;
  void setPasswordChar(Control control, const std::u16string& value) override;
  std::u16string caption(Control control) const override;
  void setCaption(Control control, const std::u16string& value) override;
  int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) override;
  CommandRun runCommand(const std::u16string& commandLine, WindowStyle style,
                        std::chrono::milliseconds timeout) override;

 private:
  struct Properties {
    std::u16string text;
    int enabled = kTrue;
    std::u16string passwordChar;
  };
  Properties& of(Control control);
  const Properties& of(Control control) const;

  std::array<Properties, 9> controls_;
};

// A command run that ended with the given exit code and output.
CommandRun exitedWith(std::uint32_t exitCode, const std::u16string& output = u"");

}  // namespace vanterel
