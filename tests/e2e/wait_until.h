#pragma once

#include <chrono>
#include <thread>

namespace vanterel::e2e {

using namespace std::chrono_literals;

// Polls until the condition holds or the time is up; true when it held.
// Every wait of the tests goes through here, so none can hang.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
}

}  // namespace vanterel::e2e
