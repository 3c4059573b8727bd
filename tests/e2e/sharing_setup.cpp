#include "tests/e2e/sharing_setup.h"

#include <windows.h>

#include <cstdlib>
#include <sstream>

#include "app/win32_handle.h"

namespace vanterel::e2e {
namespace {

std::optional<std::string> readWhole(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    content.append(buffer, read);
  }
  return content;
}

bool write(const std::wstring& path, const std::string& bytes, DWORD access, DWORD disposition) {
  UniqueHandle file(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file &&
         WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace

std::optional<std::uint32_t> SharingSetup::failureOf(const char* call) const {
  for (const Failure& failure : failures) {
    if (failure.call == call) return failure.code;
  }
  return std::nullopt;
}

std::optional<SharingSetup> readSharingSetup(const std::wstring& path) {
  const std::optional<std::string> content = readWhole(path);
  if (!content) return std::nullopt;
  SharingSetup setup;
  std::istringstream lines(*content);
  std::string kind;
  while (lines >> kind) {
    if (kind == "hosted") {
      lines >> setup.hosted;
    } else if (kind == "connection") {
      SharingSetup::Connection connection;
      lines >> connection.guid >> connection.role;
      setup.connections.push_back(connection);
    } else if (kind == "fail") {
      SharingSetup::Failure failure;
      std::string code;
      lines >> failure.call >> code;
      failure.code = static_cast<std::uint32_t>(std::strtoul(code.c_str(), nullptr, 16));
      setup.failures.push_back(failure);
    } else {
      return std::nullopt;
    }
    if (!lines) return std::nullopt;
  }
  return setup;
}

bool writeSharingSetup(const std::wstring& path, const SharingSetup& setup) {
  std::ostringstream text;
  if (!setup.hosted.empty()) text << "hosted " << setup.hosted << "\n";
  for (const auto& connection : setup.connections) {
    text << "connection " << connection.guid << " " << connection.role << "\n";
  }
  for (const auto& failure : setup.failures) {
    text << "fail " << failure.call << " " << std::hex << failure.code << std::dec << "\n";
  }
  return write(path, text.str(), GENERIC_WRITE, CREATE_ALWAYS);
}

void appendSharingLog(const std::wstring& path, const std::string& line) {
  write(path, line + "\n", FILE_APPEND_DATA, OPEN_ALWAYS);
}

std::vector<std::string> readSharingLog(const std::wstring& path) {
  std::vector<std::string> lines;
  std::istringstream text(readWhole(path).value_or(""));
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

}  // namespace vanterel::e2e
