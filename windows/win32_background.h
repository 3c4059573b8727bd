#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>

#include "hotspot/system.h"

namespace vanterel {

// Runs jobs on a thread of their own, one at a time, and hands what is to
// follow to the window: once a job has ended, `done` comes to the window
// as `message`, a std::function<void()> made with new in the lParam, for
// the window to run and delete. Nothing comes when the window is gone.
class Win32Background {
 public:
  void postTo(HWND window, UINT message);
  // False while a job is under way, or when no thread could be made.
  bool run(std::function<void(BackgroundCalls&)> job, std::function<void()> done);

 private:
  HWND window_ = nullptr;
  UINT message_ = 0;
  std::shared_ptr<std::atomic<bool>> busy_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace vanterel
