#pragma once

#include <windows.h>

namespace vanterel {

// Makes every later search for a DLL by its bare name look in the system
// folder only, where Windows can: Windows 7 needs update KB2533623 for it.
void searchSystemFolderOnly();

// One of the system's DLLs, from the system folder and never from the
// program's or the current one, and its dependencies too; null, with the
// last error, when it cannot be loaded.
HMODULE loadSystemLibrary(const wchar_t* name);

// A function of a loaded DLL, found by its name, as the type it is called
// through; null when the DLL lacks it.
template <typename Function>
Function lookUp(HMODULE module, const char* name) {
  // Through a function type without parameters, which GCC lets any function
  // pointer be cast from and to without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace vanterel
