#pragma once

#include <string>

namespace vanterel {

// The program's own small files, in Vanterel\ under the user's local
// application data folder, so that they outlive the window.

// The file's bytes; empty when it is absent, unreadable or too large to be
// one of ours.
std::string readAppFile(const wchar_t* name);

// Replaces the file whole: written beside it first, then moved over it, so
// a crash midway leaves the old one as it was. False when it could not.
bool writeAppFile(const wchar_t* name, const std::string& content);

void removeAppFile(const wchar_t* name);

}  // namespace vanterel
