#pragma once

#include <windows.h>

#include <array>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "hotspot/main_window.h"
#include "windows/win32_system.h"

namespace vanterel {

// Builds a window from its stored description, runs its message loop and
// gives the click handlers the window's properties and message box, and
// the system.
class Win32Form final : public MainWindow {
 public:
  explicit Win32Form(const FormDescription& description);
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;
  ~Win32Form() override;

  // Shows the window and delivers its events until it is closed; returns
  // the process exit code.
  int run(HINSTANCE instance, int showCommand);

  std::u16string text(Control control) const override;
  int enabled(Control control) const override;
  void setEnabled(Control control, int value) override;
  std::u16string passwordChar(Control control) const override;
  void setPasswordChar(Control control, const std::u16string& value) override;
  std::u16string caption(Control control) const override;
  void setCaption(Control control, const std::u16string& value) override;
  void setFocus(Control control) override;
  int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) override;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool create(HINSTANCE instance);
  bool createControls(HINSTANCE instance);
  void onCommand(int id, int notification);
  // Waits for the system with the wait cursor up, painting but taking no input.
  bool waitWhileBusy(HANDLE handle, DWORD milliseconds);
  bool waitPumpingPaint(HANDLE handle, DWORD milliseconds);
  HWND hwndOf(Control control) const;

  const FormDescription& description_;
  HWND window_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  HFONT fontFor(const FontDescription* font);

  std::vector<std::pair<const FontDescription*, HFONT>> fonts_;
  int dpi_ = 96;
  HWND focusBeforeDeactivation_ = nullptr;
  bool inHandler_ = false;
  bool busy_ = false;
  Win32System system_;
};

}  // namespace vanterel
