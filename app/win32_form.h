#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "hotspot/main_window.h"
#include "hotspot/hotspot_session.h"
#include "windows/win32_system.h"
#include "windows/win32_wlan_notifications.h"

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
  // Runs what reaches the window's own code, one at a time, the busy flag
  // raised meanwhile; then the window follows its hotspot. A handler that
  // throws is told of in a box naming the user's `action`; one the user did
  // not ask for (null) shows no box by itself.
  void runHandler(const std::function<void()>& handler, const wchar_t* action = nullptr);
  // While its hotspot runs, the window looks at it every few seconds and
  // when wlanapi tells of a change; idle, it watches nothing.
  void followHotspot();
  void onPowerBroadcast(WPARAM event);
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
  // A resume that came while a handler ran, for when it has ended.
  bool resumePending_ = false;
  Win32System system_;
  HotspotSession session_;
  std::unique_ptr<WlanNotifications> notifications_;
};

}  // namespace vanterel
