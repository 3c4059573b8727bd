#include "windows/win32_app_file.h"

#include <windows.h>
#include <shlobj.h>

#include "windows/win32_handle.h"
#include "windows/win32_library.h"

namespace vanterel {
namespace {

// Far more than any file of ours holds.
constexpr LONGLONG kLargestFile = 64 * 1024;

// Looked up, not imported: loading shell32 at every start-up would cost
// the window time for a file it may never need.
std::wstring appFolder() {
  using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
  const HMODULE shell = loadSystemLibrary(L"shell32.dll");
  if (shell == nullptr) return L"";
  const auto getFolderPath = lookUp<GetFolderPath>(shell, "SHGetFolderPathW");
  wchar_t path[MAX_PATH] = {};
  const bool found = getFolderPath != nullptr &&
                     SUCCEEDED(getFolderPath(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE,
                                             nullptr, SHGFP_TYPE_CURRENT, path));
  FreeLibrary(shell);
  return found ? std::wstring(path) + L"\\Vanterel" : L"";
}

bool writeWhole(const std::wstring& path, const std::string& content) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                   nullptr) &&
         written == content.size() && FlushFileBuffers(file.get());
}

}  // namespace

std::string readAppFile(const wchar_t* name) {
  const std::wstring folder = appFolder();
  if (folder.empty()) return "";
  UniqueHandle file(CreateFileW((folder + L"\\" + name).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestFile) return "";
  std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!content.empty() &&
      (!ReadFile(file.get(), &content[0], static_cast<DWORD>(content.size()), &read, nullptr) ||
       read != content.size())) {
    return "";
  }
  return content;
}

bool writeAppFile(const wchar_t* name, const std::string& content) {
  const std::wstring folder = appFolder();
  if (folder.empty()) return false;
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    return false;
  }
  const std::wstring path = folder + L"\\" + name;
  const std::wstring next = path + L".new";
  if (writeWhole(next, content) &&
      MoveFileExW(next.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(next.c_str());
  return false;
}

void removeAppFile(const wchar_t* name) {
  const std::wstring folder = appFolder();
  if (!folder.empty()) DeleteFileW((folder + L"\\" + name).c_str());
}

}  // namespace vanterel
