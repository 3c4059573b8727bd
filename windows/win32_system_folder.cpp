#include "windows/win32_system_folder.h"

#include <windows.h>

namespace vanterel {

std::wstring systemFolder() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  return std::wstring(folder, length);
}

std::wstring inSystemFolder(const wchar_t* name) {
  const std::wstring folder = systemFolder();
  return folder.empty() ? folder : folder + L"\\" + name;
}

}  // namespace vanterel
