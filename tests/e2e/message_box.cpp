#include "tests/e2e/message_box.h"

#include <cwctype>

#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_input.h"
#include "tests/e2e/window_probe.h"

namespace vanterel::e2e {
namespace {

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

bool sameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

BOOL CALLBACK collectButton(HWND child, LPARAM lParam) {
  auto* buttons = reinterpret_cast<std::vector<HWND>*>(lParam);
  if (IsWindowVisible(child) && sameIgnoringCase(classOf(child), L"Button")) {
    buttons->push_back(child);
  }
  return TRUE;
}

std::vector<HWND> buttonsOf(HWND box) {
  std::vector<HWND> buttons;
  EnumChildWindows(box, &collectButton, reinterpret_cast<LPARAM>(&buttons));
  return buttons;
}

}  // namespace

std::optional<MessageBoxView> findMessageBox(HWND owner) {
  const HWND found = findVisibleTopLevelWindow([owner](HWND window) {
    return GetWindow(window, GW_OWNER) == owner && classOf(window) == L"#32770";
  });
  if (found == nullptr) return std::nullopt;

  MessageBoxView box;
  box.window = found;
  box.title = textOf(found);
  box.text = textOf(GetDlgItem(found, kMessageTextId));
  for (HWND button : buttonsOf(found)) box.buttons.push_back(textOf(button));
  return box;
}

std::optional<MessageBoxView> waitForMessageBox(HWND owner, std::chrono::milliseconds timeout) {
  std::optional<MessageBoxView> box;
  waitUntil([&] { return (box = findMessageBox(owner)).has_value(); }, timeout);
  return box;
}

bool dismissMessageBox(const MessageBoxView& box, std::chrono::milliseconds timeout) {
  const std::vector<HWND> buttons = buttonsOf(box.window);
  if (buttons.empty()) return false;
  clickButton(buttons.front());
  return waitUntil([&] { return !IsWindow(box.window); }, timeout);
}

bool answerMessageBox(const MessageBoxView& box, int buttonId, std::chrono::milliseconds timeout) {
  const HWND button = GetDlgItem(box.window, buttonId);
  if (button == nullptr) return false;
  clickButton(button);
  return waitUntil([&] { return !IsWindow(box.window); }, timeout);
}

}  // namespace vanterel::e2e
