#pragma once

#include <string>

namespace vanterel {

// The system folder, as GetSystemDirectory names it (a 32-bit program on
// 64-bit Windows reaches SysWOW64 through it); empty when Windows cannot
// say.
std::wstring systemFolder();

// A file of the system folder by its full path; empty when the folder is.
std::wstring inSystemFolder(const wchar_t* name);

}  // namespace vanterel
