#include "tests/e2e/font_probe.h"

#include <string>

#include "windows/win32_handle.h"
#include "windows/win32_library.h"
#include "tests/e2e/driver_settings.h"
#include "tests/e2e/font_query.h"
#include "tests/e2e/window_probe.h"

namespace vanterel::e2e {
namespace {

// The hook library sits beside the driver.
HMODULE fontHookLibrary() {
  static HMODULE library = LoadLibraryW(besideDriver(kFontHookLibrary).c_str());
  return library;
}

class ScopedView {
 public:
  explicit ScopedView(void* view) : view_(view) {}
  ScopedView(const ScopedView&) = delete;
  ScopedView& operator=(const ScopedView&) = delete;
  ~ScopedView() {
    if (view_ != nullptr) UnmapViewOfFile(view_);
  }
  FontAnswer* answer() const { return static_cast<FontAnswer*>(view_); }

 private:
  void* view_;
};

}  // namespace

std::optional<LOGFONTW> fontOf(HWND control) {
  HMODULE library = fontHookLibrary();
  if (library == nullptr) return std::nullopt;
  const auto hook = lookUp<HOOKPROC>(library, kFontHookProcedure);
  if (hook == nullptr) return std::nullopt;

  const DWORD driver = GetCurrentProcessId();
  const std::wstring name = kFontAnswerPrefix + std::to_wstring(driver);
  UniqueHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                          sizeof(FontAnswer), name.c_str()));
  if (!mapping) return std::nullopt;
  ScopedView view(MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(FontAnswer)));
  if (view.answer() == nullptr) return std::nullopt;
  *view.answer() = FontAnswer{};

  HHOOK installed =
      SetWindowsHookExW(WH_CALLWNDPROC, hook, library, GetWindowThreadProcessId(control, nullptr));
  if (installed == nullptr) return std::nullopt;
  ask(control, RegisterWindowMessageW(kFontQueryMessage), driver);
  UnhookWindowsHookEx(installed);

  if (!view.answer()->answered || !view.answer()->hasFont) return std::nullopt;
  return view.answer()->font;
}

}  // namespace vanterel::e2e
