#include "tests/e2e/start_retry.h"

namespace vanterel::e2e {

std::uint32_t startRetrying(const StartAttempt& attempt,
                            const std::function<void(std::uint32_t error)>& retried,
                            const std::function<void()>& pause) {
  std::uint32_t error = attempt();
  for (int tries = 1; error == kWineInternalError && tries < kStartAttempts; ++tries) {
    retried(error);
    pause();
    error = attempt();
  }
  return error;
}

}  // namespace vanterel::e2e
