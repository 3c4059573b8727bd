// Planted as netsh.com and netsh.exe beside the program and in the folder
// it is started from: cmd must never take it for the system's netsh.
#include "tests/e2e/planted_mark.h"

int wmain() {
  vanterel::e2e::leaveMark(nullptr);
  return 0;
}
