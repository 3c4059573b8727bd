#pragma once

#include <string>

namespace vanterel {

// The program's own file, which keeps what it found before it changed the
// computer (program_record.h), so that a stop can give it back even after
// the window was closed. Safe to use from any thread.
class RecordFile {
 public:
  virtual ~RecordFile() = default;

  // Empty when there is none or it cannot be read.
  virtual std::string read() = 0;
  // Replaces the file whole, or leaves the old one as it was: false then.
  virtual bool write(const std::string& text) = 0;
  virtual void remove() = 0;
};

}  // namespace vanterel
