#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace vanterel::e2e {

// ERROR_INTERNAL_ERROR: Wine's answer when the new process ended during its
// own set-up, before any of its code ran, or when its server was not ready
// for it. Seen now and then on a new prefix after many processes came and
// went; the program to be started has nothing to do with it.
constexpr std::uint32_t kWineInternalError = 1359;

constexpr int kStartAttempts = 4;
constexpr std::chrono::milliseconds kStartRetryPause{500};

// One try at starting a process: 0 when it started, else the error.
using StartAttempt = std::function<std::uint32_t()>;

// Tries the start again, after a pause, while Wine refuses it with its
// internal error, at most kStartAttempts times in all; `retried` hears of
// each refusal that is tried again. Any other error ends it at once. Returns
// the last try's error: 0 once the process started.
std::uint32_t startRetrying(const StartAttempt& attempt,
                            const std::function<void(std::uint32_t error)>& retried,
                            const std::function<void()>& pause);

}  // namespace vanterel::e2e
