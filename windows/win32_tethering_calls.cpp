#include "windows/win32_tethering_calls.h"

#include <wrl/client.h>

#include <memory>

#include "windows/win32_worker.h"
#include "windows/winrt_completion_signal.h"
#include "windows/winrt_tethering_abi.h"
#include "windows/win32_library.h"

namespace vanterel {
namespace {

using namespace vanterel::winrt;
using Microsoft::WRL::ComPtr;

constexpr DWORD kStepBudget =
    static_cast<DWORD>(std::chrono::milliseconds(kTetheringStepTimeout).count());
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

// Loaded once, on the window's thread, and never unloaded: Windows Runtime
// objects may outlive any one call.
const Combase& combase() {
  static const Combase functions = [] {
    Combase found;
    const HMODULE module = loadSystemLibrary(L"combase.dll");
    if (module == nullptr) return found;
    found.roInitialize = lookUp<decltype(found.roInitialize)>(module, "RoInitialize");
    found.roUninitialize = lookUp<decltype(found.roUninitialize)>(module, "RoUninitialize");
    found.roGetActivationFactory =
        lookUp<decltype(found.roGetActivationFactory)>(module, "RoGetActivationFactory");
    found.windowsCreateString =
        lookUp<decltype(found.windowsCreateString)>(module, "WindowsCreateString");
    found.windowsDeleteString =
        lookUp<decltype(found.windowsDeleteString)>(module, "WindowsDeleteString");
    found.windowsGetStringRawBuffer =
        lookUp<decltype(found.windowsGetStringRawBuffer)>(module, "WindowsGetStringRawBuffer");
    return found;
  }();
  return functions;
}

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
HRESULT activationFactory(const Combase& api, const wchar_t* className, ComPtr<Statics>& statics) {
  const HString name(api, className);
  if (FAILED(name.result())) return name.result();
  return api.roGetActivationFactory(name.get(), Statics::kIid,
                                    reinterpret_cast<void**>(statics.ReleaseAndGetAddressOf()));
}

enum class Awaited { Completed, TimedOut, Failed };

// Waits for the call to complete, at most a step's budget; cancels it when
// it has not.
template <typename Async>
Awaited await(Async* async, HRESULT& error) {
  CompletionSignal<Async>* signal = nullptr;
  error = CompletionSignal<Async>::make(&signal);
  if (FAILED(error)) return Awaited::Failed;
  Awaited awaited = Awaited::Failed;
  error = async->put_Completed(signal);
  if (SUCCEEDED(error)) {
    awaited = WaitForSingleObject(signal->event(), kStepBudget) == WAIT_OBJECT_0
                  ? Awaited::Completed
                  : Awaited::TimedOut;
  }
  if (awaited == Awaited::TimedOut) {
    ComPtr<IAsyncInfo> info;
    if (SUCCEEDED(async->QueryInterface(__uuidof(IAsyncInfo),
                                        reinterpret_cast<void**>(info.ReleaseAndGetAddressOf()))))
      info->Cancel();
  }
  signal->Release();
  return awaited;
}

TetheringCallEnd done() { return TetheringCallEnd{}; }

TetheringCallEnd failed(HRESULT error) {
  TetheringCallEnd end;
  end.kind = TetheringCallEnd::Kind::Failed;
  end.error = static_cast<std::uint32_t>(error);
  return end;
}

TetheringCallEnd endOf(Awaited awaited, HRESULT error) {
  if (awaited == Awaited::Completed) return done();
  if (awaited == Awaited::Failed) return failed(error);
  TetheringCallEnd end;
  end.kind = TetheringCallEnd::Kind::TimedOut;
  return end;
}

// Awaits a start or stop and reads what it answered.
TetheringCallEnd resultOf(const Combase& api, ComPtr<IAsyncOperationOfTetheringResult>& operation,
                          TetheringAnswer& answer) {
  HRESULT error = S_OK;
  const Awaited awaited = await(operation.Get(), error);
  if (awaited != Awaited::Completed) return endOf(awaited, error);
  ComPtr<INetworkOperatorTetheringOperationResult> result;
  if (FAILED(error = operation->GetResults(result.ReleaseAndGetAddressOf()))) return failed(error);
  if (!result) return failed(E_POINTER);
  INT32 status = 0;
  if (FAILED(error = result->get_Status(&status))) return failed(error);
  answer.status = static_cast<TetheringStatus>(status);
  HSTRING message = nullptr;
  if (SUCCEEDED(result->get_AdditionalErrorMessage(&message)) && message != nullptr) {
    answer.additionalMessage = takeText(api, message);
  }
  return done();
}

}  // namespace

struct Win32TetheringCalls::Runtime {
  explicit Runtime(const Combase& functions) : api(functions), apartment(functions) {}

  const Combase& api;
  Apartment apartment;
  ComPtr<INetworkOperatorTetheringManager> manager;
};

Win32TetheringCalls::Win32TetheringCalls() {
  if (combase().complete()) runtime_ = std::make_unique<Runtime>(combase());
}

// Every interface goes before the apartment does.
Win32TetheringCalls::~Win32TetheringCalls() = default;

TetheringCallEnd Win32TetheringCalls::openManager(bool& connected) {
  connected = false;
  if (!runtime_) return failed(REGDB_E_CLASSNOTREG);
  const Combase& api = runtime_->api;
  ComPtr<INetworkInformationStatics> network;
  HRESULT error = activationFactory(api, kNetworkInformationClass, network);
  if (FAILED(error)) return failed(error);
  ComPtr<IInspectable> profile;
  if (FAILED(error = network->GetInternetConnectionProfile(profile.ReleaseAndGetAddressOf())))
    return failed(error);
  // No connection to the Internet: nothing to share.
  if (!profile) return done();
  ComPtr<INetworkOperatorTetheringManagerStatics2> managers;
  if (FAILED(error = activationFactory(api, kTetheringManagerClass, managers))) {
    return failed(error);
  }
  if (FAILED(error = managers->CreateFromConnectionProfile(
                 profile.Get(), runtime_->manager.ReleaseAndGetAddressOf()))) {
    return failed(error);
  }
  connected = static_cast<bool>(runtime_->manager);
  return done();
}

HRESULT Win32TetheringCalls::currentConfiguration(
    ComPtr<INetworkOperatorTetheringAccessPointConfiguration>& configuration,
    ComPtr<INetworkOperatorTetheringAccessPointConfiguration2>& withBand) {
  if (!runtime_ || !runtime_->manager) return E_UNEXPECTED;
  const HRESULT error =
      runtime_->manager->GetCurrentAccessPointConfiguration(configuration.ReleaseAndGetAddressOf());
  if (FAILED(error)) return error;
  // Before Windows 10 2004 there is no band.
  if (FAILED(configuration->QueryInterface(
          INetworkOperatorTetheringAccessPointConfiguration2::kIid,
          reinterpret_cast<void**>(withBand.ReleaseAndGetAddressOf())))) {
    withBand.Reset();
  }
  return S_OK;
}

TetheringCallEnd Win32TetheringCalls::readSettings(TetheringSettings& settings) {
  ComPtr<INetworkOperatorTetheringAccessPointConfiguration> configuration;
  ComPtr<INetworkOperatorTetheringAccessPointConfiguration2> withBand;
  HRESULT error = currentConfiguration(configuration, withBand);
  if (FAILED(error)) return failed(error);
  const Combase& api = runtime_->api;
  HSTRING ssid = nullptr;
  if (FAILED(error = configuration->get_Ssid(&ssid))) return failed(error);
  settings.ssid = takeText(api, ssid);
  HSTRING passphrase = nullptr;
  if (FAILED(error = configuration->get_Passphrase(&passphrase))) return failed(error);
  settings.passphrase = takeText(api, passphrase);
  settings.band.reset();
  INT32 band = 0;
  if (withBand && SUCCEEDED(withBand->get_Band(&band))) settings.band = band;
  return done();
}

TetheringCallEnd Win32TetheringCalls::configure(const TetheringSettings& settings) {
  ComPtr<INetworkOperatorTetheringAccessPointConfiguration> configuration;
  ComPtr<INetworkOperatorTetheringAccessPointConfiguration2> withBand;
  HRESULT error = currentConfiguration(configuration, withBand);
  if (FAILED(error)) return failed(error);
  const Combase& api = runtime_->api;
  const HString name(api, std::wstring(settings.ssid.begin(), settings.ssid.end()));
  const HString key(api, std::wstring(settings.passphrase.begin(), settings.passphrase.end()));
  if (FAILED(error = name.result()) || FAILED(error = key.result()) ||
      FAILED(error = configuration->put_Ssid(name.get())) ||
      FAILED(error = configuration->put_Passphrase(key.get()))) {
    return failed(error);
  }
  ::boolean supported = 0;
  if (settings.band && withBand &&
      SUCCEEDED(withBand->IsBandSupported(*settings.band, &supported)) && supported &&
      FAILED(error = withBand->put_Band(*settings.band))) {
    return failed(error);
  }
  ComPtr<IAsyncAction> configured;
  if (FAILED(error = runtime_->manager->ConfigureAccessPointAsync(
                 configuration.Get(), configured.ReleaseAndGetAddressOf()))) {
    return failed(error);
  }
  const Awaited awaited = await(configured.Get(), error);
  if (awaited == Awaited::Completed && FAILED(error = configured->GetResults())) {
    return failed(error);
  }
  return endOf(awaited, error);
}

TetheringCallEnd Win32TetheringCalls::start(TetheringAnswer& answer) {
  if (!runtime_ || !runtime_->manager) return failed(E_UNEXPECTED);
  ComPtr<IAsyncOperationOfTetheringResult> started;
  const HRESULT error = runtime_->manager->StartTetheringAsync(started.ReleaseAndGetAddressOf());
  return FAILED(error) ? failed(error) : resultOf(runtime_->api, started, answer);
}

TetheringCallEnd Win32TetheringCalls::stop(TetheringAnswer& answer) {
  if (!runtime_ || !runtime_->manager) return failed(E_UNEXPECTED);
  ComPtr<IAsyncOperationOfTetheringResult> stopped;
  const HRESULT error = runtime_->manager->StopTetheringAsync(stopped.ReleaseAndGetAddressOf());
  return FAILED(error) ? failed(error) : resultOf(runtime_->api, stopped, answer);
}

TetheringCallEnd Win32TetheringCalls::look(TetheringLook& look) {
  if (!runtime_ || !runtime_->manager) return failed(E_UNEXPECTED);
  auto state = TetheringState::Unknown;
  HRESULT error = runtime_->manager->get_TetheringOperationalState(&state);
  if (FAILED(error)) return failed(error);
  UINT32 clients = 0;
  if (FAILED(error = runtime_->manager->get_ClientCount(&clients))) return failed(error);
  look.state = state;
  look.clients = clients;
  return done();
}

TetheringCallEnd Win32TetheringCalls::clients(std::vector<ConnectedDevice>& devices) {
  if (!runtime_ || !runtime_->manager) return failed(E_UNEXPECTED);
  const Combase& api = runtime_->api;
  ComPtr<INetworkOperatorTetheringClientManager> manager;
  HRESULT error =
      runtime_->manager->QueryInterface(INetworkOperatorTetheringClientManager::kIid,
                                        reinterpret_cast<void**>(manager.ReleaseAndGetAddressOf()));
  if (FAILED(error)) return failed(error);
  ComPtr<IVectorViewOf<INetworkOperatorTetheringClient>> listed;
  if (FAILED(error = manager->GetTetheringClients(listed.ReleaseAndGetAddressOf()))) {
    return failed(error);
  }
  UINT32 count = 0;
  if (!listed || FAILED(error = listed->get_Size(&count))) return failed(error);
  for (UINT32 i = 0; i < count; ++i) {
    ComPtr<INetworkOperatorTetheringClient> client;
    if (FAILED(error = listed->GetAt(i, client.ReleaseAndGetAddressOf()))) return failed(error);
    ConnectedDevice device;
    HSTRING mac = nullptr;
    if (SUCCEEDED(client->get_MacAddress(&mac))) device.mac = takeText(api, mac);
    ComPtr<IVectorViewOf<IHostName>> names;
    UINT32 nameCount = 0;
    if (SUCCEEDED(client->get_HostNames(names.ReleaseAndGetAddressOf())) && names &&
        SUCCEEDED(names->get_Size(&nameCount))) {
      for (UINT32 j = 0; j < nameCount; ++j) {
        ComPtr<IHostName> name;
        INT32 type = 0;
        HSTRING text = nullptr;
        if (FAILED(names->GetAt(j, name.ReleaseAndGetAddressOf())) || !name ||
            FAILED(name->get_Type(&type)) || FAILED(name->get_DisplayName(&text))) {
          continue;
        }
        const std::u16string shown = takeText(api, text);
        if (type == static_cast<INT32>(HostNameType::Ipv4) && device.ipv4.empty()) {
          device.ipv4 = shown;
        } else if (type == static_cast<INT32>(HostNameType::DomainName) && device.name.empty()) {
          device.name = shown;
        }
      }
    }
    devices.push_back(device);
  }
  return done();
}

TetheringCallEnd Win32TetheringCalls::noConnectionsTimeout(bool& enabled) {
  if (!runtime_) return failed(REGDB_E_CLASSNOTREG);
  ComPtr<INetworkOperatorTetheringManagerStatics4> managers;
  HRESULT error = activationFactory(runtime_->api, kTetheringManagerClass, managers);
  if (FAILED(error)) return failed(error);
  ::boolean on = 0;
  if (FAILED(error = managers->IsNoConnectionsTimeoutEnabled(&on))) return failed(error);
  enabled = on != 0;
  return done();
}

TetheringCallEnd Win32TetheringCalls::setNoConnectionsTimeout(bool enabled) {
  if (!runtime_) return failed(REGDB_E_CLASSNOTREG);
  ComPtr<INetworkOperatorTetheringManagerStatics4> managers;
  HRESULT error = activationFactory(runtime_->api, kTetheringManagerClass, managers);
  if (FAILED(error)) return failed(error);
  ComPtr<IAsyncAction> changed;
  error = enabled ? managers->EnableNoConnectionsTimeoutAsync(changed.ReleaseAndGetAddressOf())
                  : managers->DisableNoConnectionsTimeoutAsync(changed.ReleaseAndGetAddressOf());
  if (FAILED(error)) return failed(error);
  const Awaited awaited = await(changed.Get(), error);
  if (awaited == Awaited::Completed && FAILED(error = changed->GetResults())) {
    return failed(error);
  }
  return endOf(awaited, error);
}

bool win32HasMobileHotspot(const HandleWait& wait) {
  const Combase& api = combase();
  if (!api.complete()) return false;
  // Shared with the worker, which may outlive the wait.
  const auto found = std::make_shared<bool>(false);
  const JobEnd end = runOffWindowThread(
      [&api, found] {
        const Apartment apartment(api);
        ComPtr<INetworkInformationStatics> network;
        // The interface that came with the Mobile hotspot, not the older ones.
        ComPtr<INetworkOperatorTetheringManagerStatics3> managers;
        *found = SUCCEEDED(activationFactory(api, kNetworkInformationClass, network)) &&
                 SUCCEEDED(activationFactory(api, kTetheringManagerClass, managers));
      },
      kTetheringStepTimeout, wait);
  return end.kind == JobEnd::Kind::Ended && *found;
}

}  // namespace vanterel
