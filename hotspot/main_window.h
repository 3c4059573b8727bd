#pragma once

#include <cstddef>
#include <string>

namespace vanterel {

// The controls of Form1, in tab order.
enum class Control {
  Text1,
  Label1,
  Label2,
  Text2,
  Command1,
  Label3,
  Label4,
  Label5,
  Label6,
  Label7,
};
constexpr std::size_t kControlCount = 10;

// Each control's dialog id: from 1001 on, in tab order, clear of IDOK and
// IDCANCEL, which dialog navigation sends for Enter and Escape.
constexpr int kFirstControlId = 1001;
constexpr int dialogIdOf(Control control) { return kFirstControlId + static_cast<int>(control); }

// Boolean property values as the window reports and accepts them.
constexpr int kTrue = -1;
constexpr int kFalse = 0;

// Message box buttons codes: a single OK button, or Yes and No; no icon.
constexpr int kOkOnly = 0;
constexpr int kYesNo = 4;
// What a message box returns for its Yes and No buttons.
constexpr int kYes = 6;
constexpr int kNo = 7;

// Everything the event handlers may do with Form1: its controls and its
// message box. The Win32 layer implements it; tests use an in-memory one.
class MainWindow {
 public:
  virtual ~MainWindow() = default;

  virtual std::u16string text(Control control) const = 0;
  virtual int enabled(Control control) const = 0;
  virtual void setEnabled(Control control, int value) = 0;
  virtual std::u16string passwordChar(Control control) const = 0;
  virtual void setPasswordChar(Control control, const std::u16string& value) = 0;
  virtual std::u16string caption(Control control) const = 0;
  virtual void setCaption(Control control, const std::u16string& value) = 0;
  virtual void setFocus(Control control) = 0;

  // Modal, owned by the window; returns the code of the button pressed.
  virtual int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) = 0;
};

}  // namespace vanterel
