#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vanterel::e2e {

// A message box as the user sees it.
struct MessageBoxView {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;
  std::vector<std::wstring> buttons;  // captions, in the box's order
};

// The visible message box ("#32770" dialog) owned by `owner`, if any.
std::optional<MessageBoxView> findMessageBox(HWND owner);
std::optional<MessageBoxView> waitForMessageBox(HWND owner, std::chrono::milliseconds timeout);

// Presses the box's first button and waits until the box has gone.
bool dismissMessageBox(const MessageBoxView& box, std::chrono::milliseconds timeout);
// Presses the box's button of the given id (IDYES, IDNO, ...) and waits
// until the box has gone.
bool answerMessageBox(const MessageBoxView& box, int buttonId, std::chrono::milliseconds timeout);

}  // namespace vanterel::e2e
