#include "windows/win32_pipe_reader.h"

#include <utility>

namespace vanterel {

struct PipeReader::Reading {
  explicit Reading(UniqueHandle pipe) : readEnd(std::move(pipe)) {}

  UniqueHandle readEnd;
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
  while (ReadFile(reading.readEnd.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    AcquireSRWLockExclusive(&reading.lock);
    reading.bytes.append(buffer, read);
    ReleaseSRWLockExclusive(&reading.lock);
  }
  return 0;
}

bool PipeReader::cut(DWORD milliseconds) const {
  if (!thread_) return true;
  CancelSynchronousIo(thread_.get());
  return WaitForSingleObject(thread_.get(), milliseconds) == WAIT_OBJECT_0;
}

std::string PipeReader::bytes() const {
  AcquireSRWLockShared(&reading_->lock);
  std::string copy = reading_->bytes;
  ReleaseSRWLockShared(&reading_->lock);
  return copy;
}

}  // namespace vanterel
