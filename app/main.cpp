#include <windows.h>

#include "app/form1.h"
#include "app/win32_form.h"
#include "windows/win32_library.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // The program runs elevated, often from a downloads folder: no DLL of
  // that folder may load into it.
  vanterel::searchSystemFolderOnly();
  vanterel::Win32Form form(vanterel::Form1);
  return form.run(instance, showCommand);
}
