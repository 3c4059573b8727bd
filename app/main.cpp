#include <windows.h>

#include "app/form1.h"
#include "app/win32_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  vanterel::Win32Form form(vanterel::Form1);
  return form.run(instance, showCommand);
}
