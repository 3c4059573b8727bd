#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/driver_settings.h"
#include "tests/e2e/planted_mark.h"
#include "tests/e2e/press_test.h"
#include "tests/e2e/test_files.h"
#include "tests/e2e/utf8.h"

namespace vanterel::e2e {
namespace {

// The program runs elevated, most often from a downloads folder. A copy of
// it runs from a folder of the test's own, started from another, and both
// hold what could have been planted there: every netsh that cmd could take
// for the system's, and beside the program the DLLs it uses that are no
// KnownDLLs.
class PlantedFiles : public PressTest {
 protected:
  void SetUp() override {
    const std::wstring base = currentTestFile(L"");
    const std::wstring programs = base + L"\\program";
    const std::wstring start = base + L"\\start";
    for (const std::wstring& folder : {base, programs, start}) {
      CreateDirectoryW(folder.c_str(), nullptr);
    }
    ASSERT_TRUE(
        CopyFileW(driverSettings().program.c_str(), (programs + L"\\vanterel.exe").c_str(), FALSE));
    for (const std::wstring& folder : {programs, start}) {
      plant(folder + L"\\netsh.com", L"planted_program.exe");
      plant(folder + L"\\netsh.exe", L"planted_program.exe");
      plant(folder + L"\\netsh.bat");
      plant(folder + L"\\netsh.cmd");
    }
    plant(programs + L"\\iphlpapi.dll", L"planted_library.dll");
    plant(programs + L"\\wlanapi.dll", L"planted_library.dll");
    startFrom(programs + L"\\vanterel.exe", start);
    PressTest::SetUp();
  }

  // A copy of what was built beside the driver, or a batch file.
  void plant(const std::wstring& path, const wchar_t* built = nullptr) {
    planted_.push_back(path);
    DeleteFileW(markOf(path).c_str());
    const bool made = built != nullptr
                          ? CopyFileW(besideDriver(built).c_str(), path.c_str(), FALSE) != 0
                          : writeWholeFile(path, "@echo ran>\"" + utf8(markOf(path)) + "\"\r\n");
    EXPECT_TRUE(made) << utf8(path);
  }

  std::vector<std::string> marked() const {
    std::vector<std::string> found;
    for (const std::wstring& path : planted_) {
      if (GetFileAttributesW(markOf(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
        found.push_back(utf8(path));
      }
    }
    return found;
  }

 private:
  std::vector<std::wstring> planted_;
};

TEST_F(PlantedFiles, NoneRunsOrLoadsAndTheSystemsNetshDoesEveryStep) {
  ASSERT_NO_FATAL_FAILURE(startHostedNetwork(L"Vanterel", L"0123456789abcdef"));
  ASSERT_NO_FATAL_FAILURE(expectStopToIdle());
  EXPECT_EQ(netshInvocations().size(), 5u);
  EXPECT_EQ(marked(), std::vector<std::string>{});
}

}  // namespace
}  // namespace vanterel::e2e
