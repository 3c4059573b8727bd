#include "windows/win32_mobile_hotspot.h"

#include <atomic>
#include <cwchar>
#include <functional>
#include <memory>
#include <optional>

#include "windows/win32_worker.h"
#include "windows/winrt_tethering_abi.h"

namespace vanterel {
namespace {

using namespace vanterel::winrt;

constexpr DWORD kStepBudget = 30000;
constexpr int kMultithreaded = 1;  // RO_INIT_MULTITHREADED

// combase's Windows Runtime functions; Windows 7 has no combase.
struct Combase {
  HRESULT(WINAPI* roInitialize)(int) = nullptr;
  void(WINAPI* roUninitialize)() = nullptr;
  HRESULT(WINAPI* roGetActivationFactory)(HSTRING, REFIID, void**) = nullptr;
  HRESULT(WINAPI* windowsCreateString)(const wchar_t*, UINT32, HSTRING*) = nullptr;
  HRESULT(WINAPI* windowsDeleteString)(HSTRING) = nullptr;
  const wchar_t*(WINAPI* windowsGetStringRawBuffer)(HSTRING, UINT32*) = nullptr;

  bool complete() const {
    return roInitialize && roUninitialize && roGetActivationFactory && windowsCreateString &&
           windowsDeleteString && windowsGetStringRawBuffer;
  }
};

template <typename Function>
void lookUp(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Loaded once, on the window's thread, and never unloaded: Windows Runtime
// objects may outlive any one call.
const Combase& combase() {
  static const Combase functions = [] {
    Combase found;
    const HMODULE module = LoadLibraryW(L"combase.dll");
    if (module == nullptr) return found;
    lookUp(module, "RoInitialize", found.roInitialize);
    lookUp(module, "RoUninitialize", found.roUninitialize);
    lookUp(module, "RoGetActivationFactory", found.roGetActivationFactory);
    lookUp(module, "WindowsCreateString", found.windowsCreateString);
    lookUp(module, "WindowsDeleteString", found.windowsDeleteString);
    lookUp(module, "WindowsGetStringRawBuffer", found.windowsGetStringRawBuffer);
    return found;
  }();
  return functions;
}

// Holds one reference to an interface.
template <typename T>
class Ref {
 public:
  Ref() = default;
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  ~Ref() { reset(); }

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  T** put() {
    reset();
    return &pointer_;
  }
  void** putVoid() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (pointer_ != nullptr) pointer_->Release();
    pointer_ = nullptr;
  }

 private:
  T* pointer_ = nullptr;
};

class HString {
 public:
  HString(const Combase& api, const std::wstring& text) : api_(api) {
    result_ = api.windowsCreateString(text.c_str(), static_cast<UINT32>(text.size()), &handle_);
  }
  HString(const HString&) = delete;
  HString& operator=(const HString&) = delete;
  ~HString() { api_.windowsDeleteString(handle_); }

  HSTRING get() const { return handle_; }
  HRESULT result() const { return result_; }

 private:
  const Combase& api_;
  HSTRING handle_ = nullptr;
  HRESULT result_ = S_OK;
};

// Takes an HSTRING a call returned, and deletes it.
std::u16string takeText(const Combase& api, HSTRING text) {
  UINT32 length = 0;
  const wchar_t* units = api.windowsGetStringRawBuffer(text, &length);
  std::u16string result(units, units + length);
  api.windowsDeleteString(text);
  return result;
}

// This thread in the multithreaded apartment for as long as it lives.
class Apartment {
 public:
  explicit Apartment(const Combase& api)
      : api_(api), joined_(SUCCEEDED(api.roInitialize(kMultithreaded))) {}
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
  ~Apartment() {
    if (joined_) api_.roUninitialize();
  }

 private:
  const Combase& api_;
  bool joined_;
};

template <typename Statics>
HRESULT activationFactory(const Combase& api, const wchar_t* className, Ref<Statics>& statics) {
  const HString name(api, className);
  if (FAILED(name.result())) return name.result();
  return api.roGetActivationFactory(name.get(), Statics::kIid, statics.putVoid());
}

// The completion handler of one asynchronous call: signals an event. It is
// called on a thread of the apartment, never on the window's.
template <typename Async>
class CompletionSignal final : public Async::Handler {
 public:
  CompletionSignal() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  CompletionSignal(const CompletionSignal&) = delete;
  CompletionSignal& operator=(const CompletionSignal&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == Async::Handler::kIid) {
      *object = static_cast<typename Async::Handler*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Invoke(Async*, AsyncStatus) override {
    SetEvent(event_);
    return S_OK;
  }

  HANDLE event() const { return event_; }

 private:
  ~CompletionSignal() {
    if (event_ != nullptr) CloseHandle(event_);
  }

  std::atomic<ULONG> references_{1};
  HANDLE event_;
};

enum class Awaited { Completed, TimedOut, Failed };

// Waits for the call to complete, at most a step's budget; cancels it when
// it has not.
template <typename Async>
Awaited await(Async* async, HRESULT& error) {
  auto* signal = new CompletionSignal<Async>();
  Awaited awaited = Awaited::Failed;
  error = signal->event() == nullptr ? HRESULT_FROM_WIN32(GetLastError())
                                     : async->put_Completed(signal);
  if (SUCCEEDED(error)) {
    awaited = WaitForSingleObject(signal->event(), kStepBudget) == WAIT_OBJECT_0
                  ? Awaited::Completed
                  : Awaited::TimedOut;
  }
  if (awaited == Awaited::TimedOut) {
    Ref<IAsyncInfo> info;
    if (SUCCEEDED(async->QueryInterface(__uuidof(IAsyncInfo), info.putVoid()))) info->Cancel();
  }
  signal->Release();
  return awaited;
}

TetheringRun ended(TetheringStep step, TetheringRun::Outcome outcome, HRESULT error = S_OK) {
  TetheringRun run;
  run.step = step;
  run.outcome = outcome;
  run.error = static_cast<std::uint32_t>(error);
  return run;
}

TetheringRun failed(TetheringStep step, HRESULT error) {
  return ended(step, TetheringRun::Outcome::CallFailed, error);
}

// Awaits a start or stop and reads the status it ended with.
TetheringRun resultOf(const Combase& api, TetheringStep step,
                      Ref<IAsyncOperationOfTetheringResult>& operation) {
  HRESULT error = S_OK;
  const Awaited awaited = await(operation.get(), error);
  if (awaited == Awaited::TimedOut) return ended(step, TetheringRun::Outcome::TimedOut);
  if (awaited == Awaited::Failed) return failed(step, error);
  Ref<INetworkOperatorTetheringOperationResult> result;
  error = operation->GetResults(result.put());
  if (FAILED(error)) return failed(step, error);
  if (!result) return failed(step, E_POINTER);
  INT32 status = 0;
  HSTRING message = nullptr;
  if (FAILED(error = result->get_Status(&status))) return failed(step, error);
  TetheringRun run =
      ended(step, status == 0 ? TetheringRun::Outcome::Succeeded : TetheringRun::Outcome::Refused);
  run.status = static_cast<TetheringStatus>(status);
  if (SUCCEEDED(result->get_AdditionalErrorMessage(&message)) && message != nullptr) {
    run.additionalMessage = takeText(api, message);
  }
  return run;
}

// The manager of the Mobile hotspot that shares the internet connection;
// null with S_OK when there is no connection to share.
HRESULT tetheringManager(const Combase& api, Ref<INetworkOperatorTetheringManager>& manager) {
  Ref<INetworkInformationStatics> network;
  HRESULT error = activationFactory(api, kNetworkInformationClass, network);
  if (FAILED(error)) return error;
  Ref<IInspectable> profile;
  if (FAILED(error = network->GetInternetConnectionProfile(profile.put())) || !profile) {
    return error;
  }
  Ref<INetworkOperatorTetheringManagerStatics2> managers;
  if (FAILED(error = activationFactory(api, kTetheringManagerClass, managers))) return error;
  return managers->CreateFromConnectionProfile(profile.get(), manager.put());
}

TetheringRun start(const Combase& api, const std::wstring& ssid, const std::wstring& passphrase,
                   std::atomic<TetheringStep>& step) {
  const Apartment apartment(api);
  Ref<INetworkOperatorTetheringManager> manager;
  HRESULT error = tetheringManager(api, manager);
  if (FAILED(error)) return failed(TetheringStep::Start, error);
  if (!manager) return ended(TetheringStep::Start, TetheringRun::Outcome::NoConnection);

  step = TetheringStep::Configure;
  Ref<INetworkOperatorTetheringAccessPointConfiguration> configuration;
  if (FAILED(error = manager->GetCurrentAccessPointConfiguration(configuration.put()))) {
    return failed(TetheringStep::Configure, error);
  }
  const HString name(api, ssid);
  const HString key(api, passphrase);
  if (FAILED(error = name.result()) || FAILED(error = key.result()) ||
      FAILED(error = configuration->put_Ssid(name.get())) ||
      FAILED(error = configuration->put_Passphrase(key.get()))) {
    return failed(TetheringStep::Configure, error);
  }
  Ref<IAsyncAction> configured;
  if (FAILED(error = manager->ConfigureAccessPointAsync(configuration.get(), configured.put()))) {
    return failed(TetheringStep::Configure, error);
  }
  const Awaited awaited = await(configured.get(), error);
  if (awaited == Awaited::TimedOut) {
    return ended(TetheringStep::Configure, TetheringRun::Outcome::TimedOut);
  }
  if (awaited == Awaited::Failed || FAILED(error = configured->GetResults())) {
    return failed(TetheringStep::Configure, error);
  }

  step = TetheringStep::Start;
  Ref<IAsyncOperationOfTetheringResult> started;
  if (FAILED(error = manager->StartTetheringAsync(started.put()))) {
    return failed(TetheringStep::Start, error);
  }
  return resultOf(api, TetheringStep::Start, started);
}

TetheringRun stop(const Combase& api) {
  const Apartment apartment(api);
  Ref<INetworkOperatorTetheringManager> manager;
  HRESULT error = tetheringManager(api, manager);
  if (FAILED(error)) return failed(TetheringStep::Stop, error);
  if (!manager) return ended(TetheringStep::Stop, TetheringRun::Outcome::NoConnection);
  Ref<IAsyncOperationOfTetheringResult> stopped;
  if (FAILED(error = manager->StopTetheringAsync(stopped.put()))) {
    return failed(TetheringStep::Stop, error);
  }
  return resultOf(api, TetheringStep::Stop, stopped);
}

// Runs the work off the window's thread; nothing when it has not ended in time.
template <typename Result>
std::optional<Result> offWindowThread(std::function<Result()> work, DWORD budget,
                                      const HandleWait& wait) {
  auto result = std::make_shared<std::optional<Result>>();
  const auto timeout = std::chrono::milliseconds(budget);
  if (!runOffWindowThread([result, work] { *result = work(); }, timeout, wait)) return std::nullopt;
  return *result;
}

}  // namespace

bool win32HasMobileHotspot(const HandleWait& wait) {
  const Combase& api = combase();
  if (!api.complete()) return false;
  const auto found = offWindowThread<bool>(
      [&api] {
        const Apartment apartment(api);
        Ref<INetworkInformationStatics> network;
        // The interface that came with the Mobile hotspot, not the older ones.
        Ref<INetworkOperatorTetheringManagerStatics3> managers;
        return SUCCEEDED(activationFactory(api, kNetworkInformationClass, network)) &&
               SUCCEEDED(activationFactory(api, kTetheringManagerClass, managers));
      },
      kStepBudget, wait);
  return found.value_or(false);
}

TetheringRun win32StartMobileHotspot(const std::u16string& ssid, const std::u16string& passphrase,
                                     const HandleWait& wait) {
  const Combase& api = combase();
  if (!api.complete()) return failed(TetheringStep::Start, REGDB_E_CLASSNOTREG);
  auto step = std::make_shared<std::atomic<TetheringStep>>(TetheringStep::Start);
  const std::wstring name(ssid.begin(), ssid.end());
  const std::wstring key(passphrase.begin(), passphrase.end());
  // Two awaited steps and the calls around them.
  const auto run = offWindowThread<TetheringRun>(
      [&api, name, key, step] { return start(api, name, key, *step); }, 3 * kStepBudget, wait);
  return run ? *run : ended(*step, TetheringRun::Outcome::TimedOut);
}

bool win32MobileHotspotIsOn(const HandleWait& wait) {
  const Combase& api = combase();
  if (!api.complete()) return false;
  const auto on = offWindowThread<bool>(
      [&api] {
        const Apartment apartment(api);
        Ref<INetworkOperatorTetheringManager> manager;
        auto state = TetheringOperationalState::Unknown;
        return SUCCEEDED(tetheringManager(api, manager)) && manager &&
               SUCCEEDED(manager->get_TetheringOperationalState(&state)) &&
               state == TetheringOperationalState::On;
      },
      kStepBudget, wait);
  return on.value_or(false);
}

TetheringRun win32StopMobileHotspot(const HandleWait& wait) {
  const Combase& api = combase();
  if (!api.complete()) return failed(TetheringStep::Stop, REGDB_E_CLASSNOTREG);
  const auto run =
      offWindowThread<TetheringRun>([&api] { return stop(api); }, 2 * kStepBudget, wait);
  return run ? *run : ended(TetheringStep::Stop, TetheringRun::Outcome::TimedOut);
}

}  // namespace vanterel
