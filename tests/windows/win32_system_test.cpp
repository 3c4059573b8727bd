#include "windows/win32_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>

#include "windows/win32_handle.h"

namespace vanterel {
namespace {

// A wait that gives every job two seconds: long enough for one that does not
// block, short enough to give up on one that does.
bool twoSecondWait(HANDLE handle, DWORD) {
  return WaitForSingleObject(handle, 2000) == WAIT_OBJECT_0;
}

// Windows shares one pair at a time: a job given up at its time limit may
// still be changing the sharing, so no other job runs before it ends.
TEST(SharingJobs, NoJobRunsWhileOneGivenUpStillRuns) {
  Win32System system(twoSecondWait);
  const auto release = std::make_shared<UniqueHandle>(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(*release);
  std::atomic<int> ran{0};

  EXPECT_FALSE(system.runSharingJob(
      [release](SharingCalls&) { WaitForSingleObject(release->get(), INFINITE); }));
  EXPECT_FALSE(system.runSharingJob([&ran](SharingCalls&) { ++ran; }));
  EXPECT_EQ(ran, 0);

  SetEvent(release->get());
  EXPECT_TRUE(system.runSharingJob([&ran](SharingCalls&) { ++ran; }));
  EXPECT_EQ(ran, 1);
}

}  // namespace
}  // namespace vanterel
