#include <windows.h>

#include "app/form1.h"
#include "app/win32_form.h"
#include "windows/win32_library.h"

namespace {

// The program runs elevated, often from a downloads folder: it must not
// load DLLs from there. Windows 7 has the call only with update KB2533623,
// so it is looked up rather than imported.
void loadDllsFromSystemFolderOnly() {
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories = vanterel::lookUp<SetDefaultDllDirectoriesFunction>(
      GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (setDefaultDllDirectories != nullptr) setDefaultDllDirectories(kSearchSystem32);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  loadDllsFromSystemFolderOnly();
  vanterel::Win32Form form(vanterel::Form1);
  return form.run(instance, showCommand);
}
