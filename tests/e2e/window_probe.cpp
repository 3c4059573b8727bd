#include "tests/e2e/window_probe.h"

#include <vector>

namespace vanterel::e2e {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

struct WindowSearch {
  const std::function<bool(HWND)>& matches;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  if (!IsWindowVisible(window) || !search->matches(window)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::optional<LRESULT> ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                           &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

HWND findVisibleTopLevelWindow(const std::function<bool(HWND)>& matches) {
  WindowSearch search{matches, nullptr};
  EnumWindows(&matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD processOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

HWND findMainWindow(DWORD processId) {
  return findVisibleTopLevelWindow([processId](HWND window) {
    return processOf(window) == processId && classOf(window) == kMainWindowClass;
  });
}

HWND controlOf(HWND mainWindow, Control control) {
  return GetDlgItem(mainWindow, dialogIdOf(control));
}

std::wstring textOf(HWND window) {
  const auto length = ask(window, WM_GETTEXTLENGTH);
  if (!length || *length <= 0) return L"";
  std::vector<wchar_t> buffer(static_cast<std::size_t>(*length) + 1, L'\0');
  const auto copied =
      ask(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), copied ? static_cast<std::size_t>(*copied) : 0);
}

std::wstring classOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

RECT rectInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE clientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

RECT screenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

wchar_t passwordCharOf(HWND edit) {
  return static_cast<wchar_t>(ask(edit, EM_GETPASSWORDCHAR).value_or(0));
}

HWND focusIn(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace vanterel::e2e
