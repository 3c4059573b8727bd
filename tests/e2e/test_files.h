#pragma once

#include <string>

namespace vanterel::e2e {

// The files through which the tests and the stand-ins talk.

enum class FileRead { Read, Missing, Failed };

// Appends the whole file to `content`; Missing when the file or its folder is not there.
FileRead readFile(const std::wstring& path, std::string& content);

// Empty when the file is missing or unreadable.
std::string readWholeFile(const std::wstring& path);

bool writeWholeFile(const std::wstring& path, const std::string& content);

// One write in append mode, so records of concurrent writers never interleave.
bool appendToFile(const std::wstring& path, const std::string& bytes);

}  // namespace vanterel::e2e
