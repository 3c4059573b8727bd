#include "windows/win32_worker.h"

#include <memory>
#include <utility>

namespace vanterel {
namespace {

DWORD WINAPI runWork(void* parameter) {
  // The thread owns its work; an abandoned one ends and frees it alone.
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return 0;
}

}  // namespace

bool runOffWindowThread(std::function<void()> work, std::chrono::milliseconds timeout,
                        const HandleWait& wait, UniqueHandle* leftRunning) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  UniqueHandle thread(CreateThread(nullptr, 0, &runWork, owned.get(), 0, nullptr));
  if (!thread) {
    // Out of threads: better a window that stops painting for a while than
    // work left undone.
    (*owned)();
    return true;
  }
  owned.release();
  const bool ended = wait(thread.get(), static_cast<DWORD>(timeout.count()));
  if (!ended && leftRunning != nullptr) *leftRunning = std::move(thread);
  return ended;
}

}  // namespace vanterel
