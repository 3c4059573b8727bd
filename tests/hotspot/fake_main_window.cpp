#include "tests/hotspot/fake_main_window.h"

#include "app/form1.h"

namespace vanterel {

FakeMainWindow::FakeMainWindow() {
  for (const ControlDescription& control : Form1.controls) {
    Properties& properties = of(control.name);
    properties.text = control.text;
    if (control.passwordChar != nullptr) properties.passwordChar = control.passwordChar;
  }
}

void FakeMainWindow::type(Control box, const std::u16string& text) {
  if (of(box).enabled != kFalse) of(box).text = text;
}

FakeMainWindow::Properties& FakeMainWindow::of(Control control) {
  return controls_[static_cast<std::size_t>(control)];
}

const FakeMainWindow::Properties& FakeMainWindow::of(Control control) const {
  return controls_[static_cast<std::size_t>(control)];
}

std::u16string FakeMainWindow::text(Control control) const { return of(control).text; }

int FakeMainWindow::enabled(Control control) const { return of(control).enabled; }

void FakeMainWindow::setEnabled(Control control, int value) { of(control).enabled = value; }

std::u16string FakeMainWindow::passwordChar(Control control) const {
  return of(control).passwordChar;
}

void FakeMainWindow::setPasswordChar(Control control, const std::u16string& value) {
  of(control).passwordChar = value;
}

std::u16string FakeMainWindow::caption(Control control) const { return of(control).text; }

void FakeMainWindow::setCaption(Control control, const std::u16string& value) {
  of(control).text = value;
}

int FakeMainWindow::msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) {
  boxes.push_back({prompt, buttons, title});
  // The OK button's code otherwise.
  return buttons == kYesNo ? answer : 1;
}

}  // namespace vanterel
