// Planted as iphlpapi.dll and wlanapi.dll beside the program: it must never
// load. It has the two functions of IP Helper that the program once
// imported, so that a program importing them still starts, and shows it.
#include "tests/e2e/planted_mark.h"

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) vanterel::e2e::leaveMark(self);
  return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI GetBestInterfaceEx(void*, DWORD*) {
  return ERROR_NOT_SUPPORTED;
}

extern "C" __declspec(dllexport) ULONG WINAPI
    GetAdaptersAddresses(ULONG, ULONG, void*, void*, ULONG*) {
  return ERROR_NOT_SUPPORTED;
}
