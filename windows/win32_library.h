#pragma once

#include <windows.h>

namespace vanterel {

// A function of a loaded DLL, found by its name, as the type it is called
// through; null when the DLL lacks it.
template <typename Function>
Function lookUp(HMODULE module, const char* name) {
  // Through a function type without parameters, which GCC lets any function
  // pointer be cast from and to without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace vanterel
