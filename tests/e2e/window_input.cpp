#include "tests/e2e/window_input.h"

#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_probe.h"

namespace vanterel::e2e {
namespace {

LPARAM keyData(UINT virtualKey, bool release) {
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM data = 1 | static_cast<LPARAM>(scanCode << 16);
  if (release) data |= static_cast<LPARAM>(0xC0000000u);
  return data;
}

}  // namespace

bool setText(HWND box, const std::wstring& text) {
  return ask(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())).value_or(FALSE) == TRUE;
}

void pressKey(HWND target, UINT virtualKey) {
  PostMessageW(target, WM_KEYDOWN, virtualKey, keyData(virtualKey, false));
  PostMessageW(target, WM_KEYUP, virtualKey, keyData(virtualKey, true));
}

void typeCharacters(HWND target, const std::wstring& text) {
  for (wchar_t unit : text) PostMessageW(target, WM_CHAR, unit, 1);
}

void clickButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void clickAt(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageW(control, WM_LBUTTONUP, 0, middle);
}

void closeWindow(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

bool waitForPostedInput(HWND edit, std::chrono::milliseconds timeout) {
  static WPARAM nextMarker = 0x5000;
  const WPARAM marker = ++nextMarker;
  const auto limit = ask(edit, EM_GETLIMITTEXT);
  if (!limit) return false;
  if (!PostMessageW(edit, EM_SETLIMITTEXT, marker, 0)) return false;
  const bool arrived = waitUntil(
      [&] { return ask(edit, EM_GETLIMITTEXT).value_or(0) == static_cast<LRESULT>(marker); },
      timeout);
  ask(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(*limit));
  return arrived;
}

}  // namespace vanterel::e2e
