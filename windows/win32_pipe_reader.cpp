#include "windows/win32_pipe_reader.h"

#include <atomic>
#include <utility>

namespace vanterel {
namespace {

// How often a cut is tried again while the reading goes on.
constexpr DWORD kCutRetry = 50;

}  // namespace

struct PipeReader::Reading {
  explicit Reading(UniqueHandle pipe) : readEnd(std::move(pipe)) {}

  UniqueHandle readEnd;
  std::atomic<bool> cut{false};
  SRWLOCK lock = SRWLOCK_INIT;
  std::string bytes;
};

PipeReader::PipeReader(UniqueHandle readEnd)
    : reading_(std::make_shared<Reading>(std::move(readEnd))) {
  auto* shared = new std::shared_ptr<Reading>(reading_);
  thread_.reset(CreateThread(nullptr, 0, &PipeReader::run, shared, 0, nullptr));
  if (!thread_) delete shared;
}

PipeReader::~PipeReader() = default;

DWORD WINAPI PipeReader::run(void* parameter) {
  const std::unique_ptr<std::shared_ptr<Reading>> owned(
      static_cast<std::shared_ptr<Reading>*>(parameter));
  Reading& reading = **owned;
  char buffer[4096];
  DWORD read = 0;
  while (!reading.cut && ReadFile(reading.readEnd.get(), buffer, sizeof buffer, &read, nullptr) &&
         read > 0) {
    AcquireSRWLockExclusive(&reading.lock);
    reading.bytes.append(buffer, read);
    ReleaseSRWLockExclusive(&reading.lock);
  }
  return 0;
}

bool PipeReader::cut(DWORD milliseconds) const {
  if (!thread_) return true;
  reading_->cut = true;
  // A cancel that comes while the thread is between two reads finds nothing
  // to cancel, and the next read may wait for ever: it is cancelled again
  // until the thread ends or the time is up.
  const DWORD begun = GetTickCount();
  for (;;) {
    CancelSynchronousIo(thread_.get());
    if (WaitForSingleObject(thread_.get(), kCutRetry) == WAIT_OBJECT_0) return true;
    if (GetTickCount() - begun >= milliseconds) return false;
  }
}

std::string PipeReader::bytes() const {
  AcquireSRWLockShared(&reading_->lock);
  std::string copy = reading_->bytes;
  ReleaseSRWLockShared(&reading_->lock);
  return copy;
}

}  // namespace vanterel
