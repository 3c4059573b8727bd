// Loaded into the program under test by the driver's window hook: answers
// the driver's font queries from inside the program's process.
#include <windows.h>

#include <string>

#include "tests/e2e/font_query.h"

namespace {

void answer(HWND control, DWORD driverProcess) {
  const std::wstring name = vanterel::e2e::kFontAnswerPrefix + std::to_wstring(driverProcess);
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str());
  if (mapping == nullptr) return;
  auto* reply = static_cast<vanterel::e2e::FontAnswer*>(
      MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(vanterel::e2e::FontAnswer)));
  if (reply != nullptr) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    reply->hasFont = font != nullptr && GetObjectW(font, sizeof reply->font, &reply->font) != 0;
    reply->answered = TRUE;
    UnmapViewOfFile(reply);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    fontQueryHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == RegisterWindowMessageW(vanterel::e2e::kFontQueryMessage)) {
      answer(call->hwnd, static_cast<DWORD>(call->wParam));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
