#include "tests/benchmark/typed_window.h"

#include "tests/e2e/utf8.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_input.h"
#include "tests/e2e/window_probe.h"

namespace vanterel::benchmark {

HWND startTyped(e2e::AppProcess& process, const std::wstring& program,
                const e2e::EnvironmentChanges& changes, std::string& problem) {
  using namespace std::chrono_literals;
  std::wstring error;
  if (!process.start(program, changes, error)) {
    problem = e2e::utf8(error);
    return nullptr;
  }
  HWND window = nullptr;
  if (!e2e::waitUntil([&] { return (window = e2e::findMainWindow(process.id())) != nullptr; },
                      30s) ||
      !e2e::ask(window, WM_NULL)) {
    problem = "vanterel.exe showed no window that answers";
    return nullptr;
  }
  if (!e2e::setText(e2e::controlOf(window, Control::Text1), L"BenchNet") ||
      !e2e::setText(e2e::controlOf(window, Control::Text2), L"bench-password-16")) {
    problem = "the name and the password could not be typed";
    return nullptr;
  }
  return window;
}

}  // namespace vanterel::benchmark
