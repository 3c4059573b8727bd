#pragma once

#include <windows.h>

// How the driver learns a control's font. A font handle means nothing in
// another process, so a hook that the driver places in the program's
// thread reads it there, on a registered message, and writes what it found
// to shared memory named after the driver's process.
namespace vanterel::e2e {

constexpr wchar_t kFontQueryMessage[] =
    L"VanterelE2E.FontQuery";  // wParam: the driver's process id
constexpr wchar_t kFontAnswerPrefix[] = L"Local\\VanterelE2E.FontAnswer.";
constexpr wchar_t kFontHookLibrary[] = L"vanterel_font_hook.dll";
constexpr char kFontHookProcedure[] = "fontQueryHook";  // a WH_CALLWNDPROC hook

struct FontAnswer {
  LONG answered;
  LONG hasFont;
  LOGFONTW font;
};

}  // namespace vanterel::e2e
