#include "windows/win32_record_file.h"

#include "windows/win32_app_file.h"

namespace vanterel {
namespace {

// The name it had when it kept only the sharing.
constexpr const wchar_t* kRecordFile = L"sharing-record.txt";

}  // namespace

std::string Win32RecordFile::read() { return readAppFile(kRecordFile); }

bool Win32RecordFile::write(const std::string& text) { return writeAppFile(kRecordFile, text); }

void Win32RecordFile::remove() { removeAppFile(kRecordFile); }

}  // namespace vanterel
