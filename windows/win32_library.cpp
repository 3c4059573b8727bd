#include "windows/win32_library.h"

#include <string>

#include "windows/win32_system_folder.h"

namespace vanterel {
namespace {

constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

HMODULE kernel32() { return GetModuleHandleW(L"kernel32.dll"); }

// The update that brings the LOAD_LIBRARY_SEARCH_ flags to Windows 7 brings
// AddDllDirectory with them: its presence is the documented sign.
bool hasSearchFlags() {
  static const bool has = GetProcAddress(kernel32(), "AddDllDirectory") != nullptr;
  return has;
}

}  // namespace

void searchSystemFolderOnly() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories =
      lookUp<SetDefaultDllDirectoriesFunction>(kernel32(), "SetDefaultDllDirectories");
  if (setDefaultDllDirectories != nullptr) setDefaultDllDirectories(kSearchSystem32);
}

HMODULE loadSystemLibrary(const wchar_t* name) {
  const std::wstring path = inSystemFolder(name);
  if (path.empty()) return nullptr;
  // Without the flags, the altered search looks for the dependencies in the
  // DLL's own folder first, where a system DLL has them all.
  return LoadLibraryExW(path.c_str(), nullptr,
                        hasSearchFlags() ? kSearchSystem32 : LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace vanterel
