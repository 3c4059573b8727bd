#include "app/win32_form.h"

#include <imm.h>

#include <new>
#include <string>

#include "app/resource_ids.h"
#include "hotspot/hotspot_watch.h"
#include "windows/win32_text.h"

namespace vanterel {
namespace {

constexpr wchar_t kWindowClass[] = L"VanterelForm1";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;
// How often a waiting window reads its queue, even when nothing arrives.
constexpr DWORD kQueueCheck = 250;
// A look at the running hotspot every two seconds: a change shows within
// three.
constexpr UINT_PTR kLookTimer = 1;
constexpr UINT kLookEvery = 2000;
// What follows a job in the background, and wlanapi's word of a change.
constexpr UINT kBackgroundDone = WM_APP + 1;
constexpr UINT kHostedNetworkChanged = WM_APP + 2;

std::size_t indexOf(Control control) { return static_cast<std::size_t>(control); }

bool isUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

struct ControlClassInfo {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
};

ControlClassInfo classInfo(const ControlDescription& control) {
  switch (control.kind) {
    case ControlClass::TextBox: {
      DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
      if (control.passwordChar != nullptr && control.passwordChar[0] != u'\0') style |= ES_PASSWORD;
      return {L"EDIT", style, WS_EX_CLIENTEDGE};
    }
    case ControlClass::CommandButton:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlClass::Label:
      // Only a label with a handler reports clicks; the others let them pass.
      return {L"STATIC", static_cast<DWORD>(SS_LEFT | (control.click ? SS_NOTIFY : 0)), 0};
  }
  return {L"STATIC", SS_LEFT, 0};
}

// Longer than any control's text that has a handler.
constexpr int kLongestCaption = 32;

// Composed without allocating: it may follow a failed allocation.
void showFailedClick(HWND window, const wchar_t* action, const wchar_t* reason) {
  wchar_t text[kLongestCaption + 32];
  wsprintfW(text, L"“%s”未能完成：%s。", action, reason);
  MessageBoxW(window, text, L"错误", MB_OK);
}

int systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

Win32Form::Win32Form(const FormDescription& description)
    : description_(description), system_([this](HANDLE handle, DWORD milliseconds) {
        return waitWhileBusy(handle, milliseconds);
      }) {}

Win32Form::~Win32Form() {
  if (window_ != nullptr) DestroyWindow(window_);
  for (const auto& font : fonts_) DeleteObject(font.second);
}

int Win32Form::run(HINSTANCE instance, int showCommand) {
  if (!create(instance)) {
    MessageBoxW(nullptr, L"无法创建程序窗口。", L"错误", MB_OK | MB_ICONERROR);
    return 1;
  }
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  SetFocus(controls_[0]);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

bool Win32Form::create(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Win32Form::windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  // With no small icon given, Windows takes the 16x16 image of the same group.
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANTEREL));
  if (!RegisterClassExW(&windowClass)) return false;

  dpi_ = systemDpi();
  RECT frame{0, 0, twipsToPixels(description_.clientWidth, dpi_),
             twipsToPixels(description_.clientHeight, dpi_)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  const std::wstring caption = toWide(description_.caption);
  window_ = CreateWindowExW(kWindowExStyle, kWindowClass, caption.c_str(), kWindowStyle, left, top,
                            width, height, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  system_.postTo(window_, kBackgroundDone);
  return createControls(instance);
}

HFONT Win32Form::fontFor(const FontDescription* font) {
  if (font == nullptr) font = description_.font;
  for (const auto& made : fonts_) {
    if (made.first == font) return made.second;
  }
  const std::wstring face = toWide(font->face);
  HFONT made =
      CreateFontW(-MulDiv(font->tenthsOfPoint, dpi_, 720), 0, 0, 0, font->weight, FALSE, FALSE,
                  FALSE, static_cast<DWORD>(font->charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (made != nullptr) fonts_.emplace_back(font, made);
  return made;
}

bool Win32Form::createControls(HINSTANCE instance) {
  // Created in tab order, which is also the order dialog navigation follows
  // and the stacking order: clipped by those above, Label6 never paints over
  // the button it overlaps.
  for (std::size_t i = 0; i < description_.controls.size(); ++i) {
    const ControlDescription& control = description_.controls[i];
    const ControlClassInfo info = classInfo(control);
    const std::wstring text = toWide(control.text);
    HWND child = CreateWindowExW(
        info.exStyle, info.windowClass, text.c_str(),
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | info.style, twipsToPixels(control.left, dpi_),
        twipsToPixels(control.top, dpi_), twipsToPixels(control.width, dpi_),
        twipsToPixels(control.height, dpi_), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(dialogIdOf(control.name))), instance, nullptr);
    if (child == nullptr) return false;
    controls_[indexOf(control.name)] = child;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(control.font)), FALSE);
    if (control.kind == ControlClass::TextBox) {
      SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
      if (control.passwordChar != nullptr && control.passwordChar[0] != u'\0') {
        SendMessageW(child, EM_SETPASSWORDCHAR, static_cast<WPARAM>(control.passwordChar[0]), 0);
        // Password boxes take no input-method composition, as Windows' own.
        ImmAssociateContext(child, nullptr);
      }
    }
  }
  return true;
}

HWND Win32Form::hwndOf(Control control) const { return controls_[indexOf(control)]; }

LRESULT CALLBACK Win32Form::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<Win32Form*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->handle(message, wParam, lParam);
}

LRESULT Win32Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      // Keep the focus where it was when the user comes back to the window.
      if (LOWORD(wParam) == WA_INACTIVE) {
        focusBeforeDeactivation_ = GetFocus();
      } else if (focusBeforeDeactivation_ != nullptr && IsWindowEnabled(focusBeforeDeactivation_)) {
        SetFocus(focusBeforeDeactivation_);
        return 0;
      }
      break;
    case WM_SETCURSOR:
      if (busy_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      if (reinterpret_cast<HWND>(wParam) == hwndOf(Control::Label5)) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_TIMER:
    case kHostedNetworkChanged:
      // Never while a handler runs, which may itself be looking.
      if (!inHandler_) lookAtRunningHotspot(*this, system_, session_);
      return 0;
    case kBackgroundDone: {
      const std::unique_ptr<std::function<void()>> done(
          reinterpret_cast<std::function<void()>*>(lParam));
      // Busy, the window drops it: the next look tells again.
      if (!inHandler_) runHandler(*done);
      return 0;
    }
    case WM_POWERBROADCAST:
      onPowerBroadcast(wParam);
      return TRUE;
    case WM_CLOSE:
      // A handler still runs (a command or a message box): close afterwards.
      if (inHandler_) return 0;
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      window_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32Form::onCommand(int id, int notification) {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(description_.controls.size())) return;
  const ControlDescription& control = description_.controls[static_cast<std::size_t>(index)];
  const int clicked = control.kind == ControlClass::Label ? STN_CLICKED : BN_CLICKED;
  // One handler at a time, also when a click arrives while one waits.
  if (control.click == nullptr || notification != clicked || inHandler_) return;
  // What the user asked for, as the control said before its handler ran.
  wchar_t action[kLongestCaption] = {};
  GetWindowTextW(hwndOf(control.name), action, kLongestCaption);
  runHandler([this, &control] { control.click(*this, system_, session_); }, action);
}

void Win32Form::runHandler(const std::function<void()>& handler, const wchar_t* action) {
  inHandler_ = true;
  try {
    handler();
  } catch (const std::bad_alloc&) {
    if (action != nullptr) showFailedClick(window_, action, L"内存不足");
  } catch (...) {
    if (action != nullptr) showFailedClick(window_, action, L"程序内部出错");
  }
  inHandler_ = false;
  if (resumePending_) {
    resumePending_ = false;
    runHandler([this] { computerResumed(*this, system_, session_); });
    return;
  }
  followHotspot();
}

void Win32Form::followHotspot() {
  if (window_ == nullptr) return;
  if (session_.way == HotspotStart::NotStarted) {
    KillTimer(window_, kLookTimer);
    notifications_.reset();
    return;
  }
  SetTimer(window_, kLookTimer, kLookEvery, nullptr);
  if (session_.way == HotspotStart::HostedNetwork) {
    if (!notifications_) {
      notifications_ = std::make_unique<WlanNotifications>(window_, kHostedNetworkChanged);
    }
  } else {
    notifications_.reset();
  }
}

void Win32Form::onPowerBroadcast(WPARAM event) {
  if (event == PBT_APMSUSPEND) {
    computerSuspends(session_);
  } else if (event == PBT_APMRESUMEAUTOMATIC) {
    // Every resume brings this one; PBT_APMRESUMESUSPEND only a woken user.
    if (inHandler_) {
      resumePending_ = true;
    } else {
      runHandler([this] { computerResumed(*this, system_, session_); });
    }
  }
}

std::u16string Win32Form::text(Control control) const {
  HWND child = hwndOf(control);
  const int length = GetWindowTextLengthW(child);
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(child, &buffer[0], length + 1);
  return fromWide(buffer.data(), static_cast<std::size_t>(copied));
}

int Win32Form::enabled(Control control) const {
  return IsWindowEnabled(hwndOf(control)) ? kTrue : kFalse;
}

void Win32Form::setEnabled(Control control, int value) {
  EnableWindow(hwndOf(control), value != kFalse);
}

std::u16string Win32Form::passwordChar(Control control) const {
  const auto masking =
      static_cast<char16_t>(SendMessageW(hwndOf(control), EM_GETPASSWORDCHAR, 0, 0));
  return masking == 0 ? std::u16string() : std::u16string(1, masking);
}

void Win32Form::setPasswordChar(Control control, const std::u16string& value) {
  HWND box = hwndOf(control);
  SendMessageW(box, EM_SETPASSWORDCHAR, value.empty() ? 0 : static_cast<WPARAM>(value[0]), 0);
  // Edit controls do not always repaint after the masking changes.
  InvalidateRect(box, nullptr, TRUE);
  UpdateWindow(box);
}

std::u16string Win32Form::caption(Control control) const { return text(control); }

void Win32Form::setCaption(Control control, const std::u16string& value) {
  SetWindowTextW(hwndOf(control), toWide(value).c_str());
}

void Win32Form::setFocus(Control control) { SetFocus(hwndOf(control)); }

int Win32Form::msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) {
  return MessageBoxW(window_, toWide(prompt).c_str(), toWide(title).c_str(),
                     static_cast<UINT>(buttons));
}

bool Win32Form::waitWhileBusy(HANDLE handle, DWORD milliseconds) {
  busy_ = true;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  const bool signalled = waitPumpingPaint(handle, milliseconds);
  busy_ = false;
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  return signalled;
}

bool Win32Form::waitPumpingPaint(HANDLE handle, DWORD milliseconds) {
  const DWORD begun = GetTickCount();
  for (;;) {
    const DWORD spent = GetTickCount() - begun;
    const DWORD left = spent >= milliseconds ? 0 : milliseconds - spent;
    // Short slices: a thread that has not looked at its queue for five
    // seconds counts as hung, and its window would be ghosted.
    const DWORD woke = MsgWaitForMultipleObjects(
        1, &handle, FALSE, left < kQueueCheck ? left : kQueueCheck, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke == WAIT_TIMEOUT && left <= kQueueCheck) return false;
    if (woke != WAIT_TIMEOUT && woke != WAIT_OBJECT_0 + 1) return false;
    // Paint and answer, but take no input until the command has ended.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return WaitForSingleObject(handle, left) == WAIT_OBJECT_0;
      }
      if (isUserInput(message.message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace vanterel
