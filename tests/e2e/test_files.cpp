#include "tests/e2e/test_files.h"

#include <windows.h>

#include "windows/win32_handle.h"

namespace vanterel::e2e {
namespace {

bool writeAll(const std::wstring& path, const std::string& bytes, DWORD access, DWORD share,
              DWORD disposition) {
  UniqueHandle file(CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file &&
         WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace

FileRead readFile(const std::wstring& path, std::string& content) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return missing ? FileRead::Missing : FileRead::Failed;
  }
  char buffer[4096];
  DWORD read = 0;
  for (;;) {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return FileRead::Failed;
    if (read == 0) return FileRead::Read;
    content.append(buffer, read);
  }
}

std::string readWholeFile(const std::wstring& path) {
  std::string content;
  return readFile(path, content) == FileRead::Read ? content : std::string();
}

bool writeWholeFile(const std::wstring& path, const std::string& content) {
  return writeAll(path, content, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
}

bool appendToFile(const std::wstring& path, const std::string& bytes) {
  return writeAll(path, bytes, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS);
}

}  // namespace vanterel::e2e
