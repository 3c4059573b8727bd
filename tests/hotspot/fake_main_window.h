#pragma once

#include <array>
#include <string>
#include <vector>

#include "hotspot/hotspot_session.h"
#include "hotspot/main_window.h"

namespace vanterel {

// Form1 in memory: starts as the stored description says and records every
// message box.
class FakeMainWindow final : public MainWindow {
 public:
  struct Box {
    std::u16string prompt;
    int buttons;
    std::u16string title;
  };

  FakeMainWindow();

  // What the user does between clicks; a disabled box takes no typing.
  void type(Control box, const std::u16string& text);

  std::vector<Box> boxes;
  // What the window keeps of its hotspot between events.
  HotspotSession session;
  // What the user answers a Yes/No box.
  int answer = kYes;
  Control focus = Control::Text1;

  std::u16string text(Control control) const override;
  int enabled(Control control) const override;
  void setEnabled(Control control, int value) override;
  std::u16string passwordChar(Control control) const override;
  void setPasswordChar(Control control, const std::u16string& value) override;
  std::u16string caption(Control control) const override;
  void setCaption(Control control, const std::u16string& value) override;
  void setFocus(Control control) override { focus = control; }
  int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) override;

 private:
  struct Properties {
    std::u16string text;
    int enabled = kTrue;
    std::u16string passwordChar;
  };
  Properties& of(Control control);
  const Properties& of(Control control) const;

  std::array<Properties, kControlCount> controls_;
};

}  // namespace vanterel
