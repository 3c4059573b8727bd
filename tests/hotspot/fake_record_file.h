#pragma once

#include <optional>
#include <string>

#include "hotspot/record_file.h"

namespace vanterel {

// The program's record file in memory: none at first; writes fail when it
// is not writable.
class FakeRecordFile final : public RecordFile {
 public:
  std::optional<std::string> text;
  bool writable = true;

  std::string read() override { return text.value_or(""); }
  bool write(const std::string& written) override {
    if (writable) text = written;
    return writable;
  }
  void remove() override { text.reset(); }
};

}  // namespace vanterel
