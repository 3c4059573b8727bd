#pragma once

#include <windows.h>

#include <optional>

namespace vanterel::e2e {

// The font a control of another process draws with (WM_GETFONT, then
// GetObject where the handle is valid); nothing when it cannot be read.
std::optional<LOGFONTW> fontOf(HWND control);

}  // namespace vanterel::e2e
