#include "tests/e2e/sharing_setup.h"

#include <cstdlib>
#include <sstream>

#include "tests/e2e/test_files.h"

namespace vanterel::e2e {
std::optional<std::uint32_t> SharingSetup::failureOf(const char* call) const {
  for (const Failure& failure : failures) {
    if (failure.call == call) return failure.code;
  }
  return std::nullopt;
}

std::optional<SharingSetup> readSharingSetup(const std::wstring& path) {
  std::string content;
  if (readFile(path, content) != FileRead::Read) return std::nullopt;
  SharingSetup setup;
  std::istringstream lines(content);
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
  return writeWholeFile(path, text.str());
}

void appendSharingLog(const std::wstring& path, const std::string& line) {
  appendToFile(path, line + "\n");
}

std::vector<std::string> readSharingLog(const std::wstring& path) {
  std::vector<std::string> lines;
  std::istringstream text(readWholeFile(path));
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

}  // namespace vanterel::e2e
