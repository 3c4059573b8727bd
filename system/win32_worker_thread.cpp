#include "system/win32_worker_thread.h"

#include <memory>
#include <utility>

#include "app/win32_handle.h"

namespace vanterel {
namespace {

DWORD WINAPI runWork(void* parameter) {
  const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return 0;
}

}  // namespace

bool runOffWindowThread(std::function<void()> work, DWORD milliseconds, const HandleWait& wait) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  UniqueHandle thread(CreateThread(nullptr, 0, &runWork, owned.get(), 0, nullptr));
  if (!thread) return false;
  owned.release();  // the thread's now
  return wait(thread.get(), milliseconds);
}

}  // namespace vanterel
