// The least program that shows the same window as vanterel.exe: the nine
// standard controls in the same places with the same fonts, the same icon,
// and no logic.
#include <windows.h>

#include "app/resource_ids.h"

namespace {

struct Child {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
  int left, top, width, height;  // twips
  const wchar_t* text;
  bool boxFont;
};

const Child kChildren[] = {
    {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 1080, 0, 2175, 375, L"", true},
    {L"STATIC", SS_LEFT, 0, 240, 120, 855, 375, L"无线名称", false},
    {L"STATIC", SS_LEFT, 0, 240, 600, 735, 495, L"无线密码", false},
    {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD, WS_EX_CLIENTEDGE, 1080, 480, 2175, 375,
     L"", true},
    {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, 1440, 1680, 1215, 495, L"一键开启", false},
    {L"STATIC", SS_LEFT, 0, 360, 1080, 3375, 255, L"密码要大于16个字符，win7系统要求。", false},
    {L"STATIC", SS_LEFT, 0, 360, 1320, 3495, 255, L"此工具XP下不可用", false},
    {L"STATIC", SS_LEFT | SS_NOTIFY, 0, 3360, 600, 735, 255, L"显示密码", false},
    {L"STATIC", SS_LEFT, 0, 0, 2040, 3135, 495, L"vanterel.app", false},
};

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"LeastWindow";
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANTEREL));
  RegisterClassW(&windowClass);

  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, MulDiv(4125, dpi, 1440), MulDiv(2415, dpi, 1440)};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, L"LeastWindow", L"Vanterel", style,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, nullptr, instance, nullptr);
  HFONT boxFont = CreateFontW(-MulDiv(105, dpi, 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
  HFONT windowFont = CreateFontW(-MulDiv(90, dpi, 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
  HWND first = nullptr;
  for (const Child& child : kChildren) {
    HWND made = CreateWindowExW(child.exStyle, child.windowClass, child.text,
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | child.style,
                                MulDiv(child.left, dpi, 1440), MulDiv(child.top, dpi, 1440),
                                MulDiv(child.width, dpi, 1440), MulDiv(child.height, dpi, 1440),
                                window, nullptr, instance, nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(child.boxFont ? boxFont : windowFont),
                 FALSE);
    if (first == nullptr) first = made;
  }
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  SetFocus(first);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  DeleteObject(boxFont);
  DeleteObject(windowFont);
  return 0;
}
