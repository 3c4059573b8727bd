#pragma once

#include <windows.h>

#include <string>

#include "windows/win32_handle.h"

namespace vanterel::e2e {

// What a file planted where the program must never take one from (as
// someone could plant it in a downloads folder) leaves beside itself when
// it runs or is loaded: its own name with ".mark" added.
inline std::wstring markOf(const std::wstring& planted) { return planted + L".mark"; }

inline void leaveMark(HMODULE planted) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(planted, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const UniqueHandle mark(CreateFileW(markOf(std::wstring(path, length)).c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace vanterel::e2e
