// The least program that does what a start click must: run the four netsh
// command lines one after another, each to its end. Writes how long that
// took, in milliseconds, to its standard output.
//
// A window program, as vanterel.exe is, so that the commands get their
// consoles the same way: a console program's children would share its own.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const wchar_t* const lines[] = {
      L"cmd /c netsh wlan set hostednetwork mode=allow",
      L"cmd /c netsh wlan set hostednetwork ssid=BenchNet",
      L"cmd /c netsh wlan set hostednetwork key=bench-password-16 keyUsage=persistent",
      L"cmd /c netsh wlan start hostednetwork",
  };
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  const std::wstring cmd = std::wstring(folder, length) + L"\\cmd.exe";

  LARGE_INTEGER frequency;
  LARGE_INTEGER begun;
  LARGE_INTEGER ended;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begun);
  for (const wchar_t* line : lines) {
    std::wstring mutableLine = line;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // As a hidden step is started: no console window, in the system folder.
    if (!CreateProcessW(cmd.c_str(), &mutableLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, folder, &startup, &started)) {
      return 1;
    }
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(started.hProcess, &exitCode);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    if (exitCode != 0) return 2;
  }
  QueryPerformanceCounter(&ended);

  char figure[32];
  const int size = std::snprintf(figure, sizeof figure, "%.3f\n",
                                 1000.0 * static_cast<double>(ended.QuadPart - begun.QuadPart) /
                                     static_cast<double>(frequency.QuadPart));
  DWORD written = 0;
  return WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), figure, static_cast<DWORD>(size), &written,
                   nullptr)
             ? 0
             : 3;
}
