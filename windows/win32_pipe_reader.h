#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "windows/win32_handle.h"

namespace vanterel {

// Reads what a child writes into a pipe, on a thread of its own, until
// every writer has closed it. The thread shares what it reads, and the read
// end, with this object, so a reading that is given up can be left to end
// alone.
class PipeReader {
 public:
  explicit PipeReader(UniqueHandle readEnd);
  PipeReader(const PipeReader&) = delete;
  PipeReader& operator=(const PipeReader&) = delete;
  ~PipeReader();

  // False when no thread could be made for it: nothing is read then.
  bool started() const { return static_cast<bool>(thread_); }
  // Signalled once the pipe broke and the reading ended.
  HANDLE thread() const { return thread_.get(); }
  // Ends the reading, cancelling a read that waits for a writer which will
  // not write or close, within about `milliseconds`; true when the thread
  // ended, false when it is left to end alone.
  bool cut(DWORD milliseconds) const;
  // What was read so far.
  std::string bytes() const;

 private:
  struct Reading;
  static DWORD WINAPI run(void* reading);

  std::shared_ptr<Reading> reading_;
  UniqueHandle thread_;
};

}  // namespace vanterel
