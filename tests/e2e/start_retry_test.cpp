#include "tests/e2e/start_retry.h"

#include <gtest/gtest.h>

#include <vector>

namespace vanterel::e2e {
namespace {

constexpr std::uint32_t kFileNotFound = 2;

// What each try answers, in turn, and how the rule went through them.
struct Case {
  const char* what;
  std::vector<std::uint32_t> answers;
  std::uint32_t result;
  std::size_t tries;
};

TEST(StartRetry, OnlyWinesInternalErrorIsTriedAgainAndOnlyAFewTimes) {
  const Case cases[] = {
      {"started at once", {0}, 0, 1},
      {"refused twice, then started: one run", {kWineInternalError, kWineInternalError, 0}, 0, 3},
      {"another error is not tried again", {kFileNotFound, 0}, kFileNotFound, 1},
      {"refused, then another error", {kWineInternalError, kFileNotFound, 0}, kFileNotFound, 2},
      {"refused every time: gives up",
       std::vector<std::uint32_t>(kStartAttempts + 2, kWineInternalError), kWineInternalError,
       static_cast<std::size_t>(kStartAttempts)},
  };
  for (const Case& c : cases) {
    std::size_t tries = 0;
    std::size_t pauses = 0;
    std::vector<std::uint32_t> told;
    const std::uint32_t result =
        startRetrying([&] { return c.answers.at(tries++); },
                      [&](std::uint32_t error) { told.push_back(error); }, [&] { ++pauses; });
    EXPECT_EQ(result, c.result) << c.what;
    EXPECT_EQ(tries, c.tries) << c.what;
    // Each try again is said, and paused before.
    EXPECT_EQ(told, std::vector<std::uint32_t>(c.tries - 1, kWineInternalError)) << c.what;
    EXPECT_EQ(pauses, c.tries - 1) << c.what;
  }
}

}  // namespace
}  // namespace vanterel::e2e
