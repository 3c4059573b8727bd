#include "windows/win32_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <new>

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

  EXPECT_EQ(system
                .runSharingJob(
                    [release](SharingCalls&) { WaitForSingleObject(release->get(), INFINITE); })
                .kind,
            JobEnd::Kind::TimedOut);
  EXPECT_EQ(system.runSharingJob([&ran](SharingCalls&) { ++ran; }).kind, JobEnd::Kind::TimedOut);
  EXPECT_EQ(ran, 0);

  SetEvent(release->get());
  EXPECT_EQ(system.runSharingJob([&ran](SharingCalls&) { ++ran; }).kind, JobEnd::Kind::Ended);
  EXPECT_EQ(ran, 1);
}

// What a job throws ends it, not the program: its step then fails, with
// the code of what it threw.
TEST(FailingJobs, EndAsFailuresWithTheCodeOfWhatTheyThrew) {
  Win32System system(twoSecondWait);
  // Windows' own sharing calls, on a connection no list has shown.
  const JobEnd sharing = system.runSharingJob([](SharingCalls& calls) { calls.disableSharing(3); });
  EXPECT_EQ(sharing.kind, JobEnd::Kind::Failed);
  EXPECT_EQ(sharing.error, static_cast<std::uint32_t>(E_FAIL));
  const JobEnd tethering = system.runTetheringJob([](TetheringCalls&) { throw std::bad_alloc(); },
                                                  kTetheringStepTimeout);
  EXPECT_EQ(tethering.kind, JobEnd::Kind::Failed);
  EXPECT_EQ(tethering.error, static_cast<std::uint32_t>(E_OUTOFMEMORY));
}

}  // namespace
}  // namespace vanterel
