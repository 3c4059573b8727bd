#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace vanterel::e2e {

// Input reaches the program as window messages, the way the keyboard and
// the mouse would deliver them, so the program's own message loop (and
// its dialog navigation) handles them.

// Replaces the text of a box, as typing or pasting would.
bool setText(HWND box, const std::wstring& text);
// A key pressed and released while `target` has the focus.
void pressKey(HWND target, UINT virtualKey);
// Characters typed while `target` has the focus, one WM_CHAR a UTF-16 unit.
void typeCharacters(HWND target, const std::wstring& text);
void clickButton(HWND button);
// A left click in the middle of the control.
void clickAt(HWND control);
void closeWindow(HWND window);

// Waits until the thread of `edit` has handled every message posted to it
// so far. Posted messages are handled in order, so once a marker posted
// after them has arrived, they have too. The marker is the edit's text
// limit, which nothing in the program reads; it is put back afterwards.
bool waitForPostedInput(HWND edit, std::chrono::milliseconds timeout);

}  // namespace vanterel::e2e
