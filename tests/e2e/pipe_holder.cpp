// Stands for a netsh that outlives cmd where the job cannot end it
// (Windows 7): gives a copy of its output, the write end of the pipe that
// the program reads, to the process whose id it is given, outside the job,
// and ends. The pipe stays open for as long as that process lives.
#include <windows.h>

#include <cwchar>

#include "windows/win32_handle.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const vanterel::UniqueHandle holder(OpenProcess(
      PROCESS_DUP_HANDLE, FALSE, static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10))));
  HANDLE copy = nullptr;
  return holder && DuplicateHandle(GetCurrentProcess(), GetStdHandle(STD_OUTPUT_HANDLE),
                                   holder.get(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)
             ? 0
             : 1;
}
