#pragma once

#include <windows.h>

#include <string>

namespace vanterel {

// What Windows says about an error or HRESULT code, in the system's
// language; empty when it has nothing to say.
std::u16string systemMessage(DWORD code);

}  // namespace vanterel
