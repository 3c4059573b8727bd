#include "windows/win32_background.h"

#include <utility>

#include "windows/win32_handle.h"
#include "windows/win32_hosted_network_status.h"
#include "windows/win32_tethering_calls.h"

namespace vanterel {
namespace {

// The calls, made on the job's own thread; the Mobile hotspot's only when
// asked, as they take the thread into the Windows Runtime.
class Win32BackgroundCalls final : public BackgroundCalls {
 public:
  std::optional<HostedNetworkStatus> hostedNetworkStatus() override {
    return queryHostedNetworkStatus();
  }
  TetheringCalls& tethering() override {
    if (!tethering_) tethering_ = std::make_unique<Win32TetheringCalls>();
    return *tethering_;
  }

 private:
  std::unique_ptr<Win32TetheringCalls> tethering_;
};

struct Work {
  std::function<void(BackgroundCalls&)> job;
  std::function<void()> done;
  HWND window;
  UINT message;
  std::shared_ptr<std::atomic<bool>> busy;
};

DWORD WINAPI runWork(void* parameter) {
  const std::unique_ptr<Work> work(static_cast<Work*>(parameter));
  bool ended = false;
  try {
    Win32BackgroundCalls calls;
    work->job(calls);
    ended = true;
  } catch (...) {
    // A job that could not end tells the window nothing.
  }
  *work->busy = false;
  if (!ended) return 0;
  auto* done = new std::function<void()>(std::move(work->done));
  if (!PostMessageW(work->window, work->message, 0, reinterpret_cast<LPARAM>(done))) delete done;
  return 0;
}

}  // namespace

void Win32Background::postTo(HWND window, UINT message) {
  window_ = window;
  message_ = message;
}

bool Win32Background::run(std::function<void(BackgroundCalls&)> job, std::function<void()> done) {
  if (window_ == nullptr || busy_->exchange(true)) return false;
  auto work =
      std::make_unique<Work>(Work{std::move(job), std::move(done), window_, message_, busy_});
  UniqueHandle thread(CreateThread(nullptr, 0, &runWork, work.get(), 0, nullptr));
  if (!thread) {
    *busy_ = false;
    return false;
  }
  work.release();
  return true;
}

}  // namespace vanterel
