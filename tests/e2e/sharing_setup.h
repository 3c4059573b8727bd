#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vanterel::e2e {

// The network the sharing stand-ins show the program, kept in a file the
// test names (VANTEREL_SHARING_SETUP); the stand-in sharing manager writes
// its changes back there. One fact a line:
//   hosted {GUID}                         the started hosted network's adapter
//   connection {GUID} none|public|private a connection and its sharing
//   fail <call> <hex code>                the stand-ins' <call> answers the code;
//                                         EnableSharingPublic or ...Private: one role,
//                                         EnableSharingPrivate:{GUID}: on one connection
struct SharingSetup {
  struct Connection {
    std::string guid;
    std::string role = "none";
  };
  struct Failure {
    std::string call;
    std::uint32_t code = 0;
  };

  std::string hosted;
  std::vector<Connection> connections;
  std::vector<Failure> failures;

  // The code a call is to fail with, if any.
  std::optional<std::uint32_t> failureOf(const char* call) const;
};

std::optional<SharingSetup> readSharingSetup(const std::wstring& path);
bool writeSharingSetup(const std::wstring& path, const SharingSetup& setup);

// The stand-ins' record of the changes they were asked for (VANTEREL_SHARING_LOG):
// "EnableSharing {GUID} public", "DisableSharing {GUID}", one a line.
void appendSharingLog(const std::wstring& path, const std::string& line);
std::vector<std::string> readSharingLog(const std::wstring& path);

}  // namespace vanterel::e2e
