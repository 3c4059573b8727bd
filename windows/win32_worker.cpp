#include "windows/win32_worker.h"

#include <cstdint>
#include <memory>
#include <new>
#include <utility>

namespace vanterel {
namespace {

// The work and how it ended, shared by its thread and the one who waits.
struct Work {
  std::function<void()> run;
  JobEnd end;
};

JobEnd failedWith(HRESULT error) {
  return JobEnd{JobEnd::Kind::Failed, static_cast<std::uint32_t>(error)};
}

void runCatching(Work& work) {
  try {
    work.run();
  } catch (const std::bad_alloc&) {
    work.end = failedWith(E_OUTOFMEMORY);
  } catch (...) {
    work.end = failedWith(E_FAIL);
  }
}

DWORD WINAPI runWork(void* parameter) {
  // Work given up on ends, and is freed, without the one who waited.
  const std::unique_ptr<std::shared_ptr<Work>> work(static_cast<std::shared_ptr<Work>*>(parameter));
  runCatching(**work);
  return 0;
}

}  // namespace

JobEnd runOffWindowThread(std::function<void()> work, std::chrono::milliseconds timeout,
                          const HandleWait& wait, UniqueHandle* leftRunning) {
  const auto shared = std::make_shared<Work>();
  shared->run = std::move(work);
  auto* threadsShare = new std::shared_ptr<Work>(shared);
  UniqueHandle thread(CreateThread(nullptr, 0, &runWork, threadsShare, 0, nullptr));
  if (!thread) {
    delete threadsShare;
    // Out of threads: better a window that stops painting for a while than
    // work left undone.
    runCatching(*shared);
    return shared->end;
  }
  if (!wait(thread.get(), static_cast<DWORD>(timeout.count()))) {
    if (leftRunning != nullptr) *leftRunning = std::move(thread);
    return JobEnd{JobEnd::Kind::TimedOut, 0};
  }
  return shared->end;
}

}  // namespace vanterel
