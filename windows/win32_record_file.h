#pragma once

#include "hotspot/record_file.h"

namespace vanterel {

// The record in the program's own folder under the local application data
// folder (win32_app_file.h), as sharing-record.txt. It holds no state: any
// thread may use it.
class Win32RecordFile final : public RecordFile {
 public:
  std::string read() override;
  bool write(const std::string& text) override;
  void remove() override;
};

}  // namespace vanterel
