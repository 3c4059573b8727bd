#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "hotspot/main_window.h"

namespace vanterel::e2e {

constexpr wchar_t kMainWindowClass[] = L"VanterelForm1";

// Sends a message to a window of another process, giving up after a few
// seconds; nothing when it was not answered.
std::optional<LRESULT> ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The first visible top-level window for which `matches` holds, or null.
HWND findVisibleTopLevelWindow(const std::function<bool(HWND)>& matches);
// The process that made `window`.
DWORD processOf(HWND window);
// The process's visible main window, or null.
HWND findMainWindow(DWORD processId);
// A control of the main window, found by its dialog id.
HWND controlOf(HWND mainWindow, Control control);

std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
// Outer rectangle relative to the parent's client area.
RECT rectInParent(HWND control);
SIZE clientSize(HWND window);
RECT screenRect(HWND window);
// The masking character of an edit control; 0 when it shows its text.
wchar_t passwordCharOf(HWND edit);
// The window that has the keyboard focus in the thread of `window`, or null.
HWND focusIn(HWND window);

}  // namespace vanterel::e2e
