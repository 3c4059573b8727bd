// Takes the place of Windows' NetworkInformation and
// NetworkOperatorTetheringManager classes, which Wine lacks: registered as
// their activatable classes in the test prefix, it records the calls it gets
// in VANTEREL_TETHERING_LOG and answers as the lines of
// VANTEREL_TETHERING_RULES say ("connection\tnone", "start\t<status>",
// "start-message\t<text>", "stop\t<status>"). The hotspot's settings and
// whether it is on live in the test's state file (tethering_state.h), as
// Windows keeps them across the program's runs. Asynchronous calls complete
// on a thread of their own, as Windows' do, and record whether the handler
// they were given is agile ("handler\tagile"): one that is not would be
// called back through its apartment.
#include <windows.h>
#include <winstring.h>

#include <atomic>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "windows/com_object.h"
#include "windows/win32_handle.h"
#include "windows/winrt_tethering_abi.h"
#include "tests/e2e/environment_block.h"
#include "tests/e2e/field_escape.h"
#include "tests/e2e/test_files.h"
#include "tests/e2e/tethering_state.h"

namespace {

using namespace vanterel::winrt;
using vanterel::UniqueHandle;
using vanterel::e2e::environmentVariable;

// Read and written at each call, as a test may change it meanwhile.
vanterel::e2e::TetheringState hotspotState() {
  const std::string file =
      vanterel::e2e::readWholeFile(environmentVariable(L"VANTEREL_TETHERING_STATE"));
  return vanterel::e2e::parseTetheringState(file).value_or(vanterel::e2e::TetheringState{});
}

void keep(const vanterel::e2e::TetheringState& state) {
  vanterel::e2e::writeWholeFile(environmentVariable(L"VANTEREL_TETHERING_STATE"),
                                vanterel::e2e::formatTetheringState(state));
}

std::map<std::string, std::u16string> rules() {
  std::map<std::string, std::u16string> found;
  const std::string content =
      vanterel::e2e::readWholeFile(environmentVariable(L"VANTEREL_TETHERING_RULES"));
  for (const std::string& line : vanterel::e2e::splitLines(content)) {
    const auto fields = vanterel::e2e::splitFields(line);
    if (fields.size() == 2)
      found[fields[0]] = vanterel::e2e::unescapeField(fields[1]).value_or(u"");
  }
  return found;
}

INT32 statusRule(const char* name) {
  INT32 status = 0;
  for (char16_t digit : rules()[name]) status = status * 10 + (digit - u'0');
  return status;
}

void record(const std::u16string& a, const std::u16string& b = u"", const std::u16string& c = u"") {
  const std::string line = vanterel::e2e::escapeField(a) + '\t' + vanterel::e2e::escapeField(b) +
                           '\t' + vanterel::e2e::escapeField(c) + '\n';
  vanterel::e2e::appendToFile(environmentVariable(L"VANTEREL_TETHERING_LOG"), line);
}

bool answers(IUnknown* object, REFIID iid) {
  IUnknown* answered = nullptr;
  if (FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(&answered)))) return false;
  answered->Release();
  return true;
}

std::u16string textOf(HSTRING text) {
  UINT32 length = 0;
  const wchar_t* units = WindowsGetStringRawBuffer(text, &length);
  return std::u16string(units, units + length);
}

HSTRING newText(const std::u16string& text) {
  HSTRING result = nullptr;
  WindowsCreateString(reinterpret_cast<const wchar_t*>(text.c_str()),
                      static_cast<UINT32>(text.size()), &result);
  return result;
}

template <typename I>
GUID iidOf() {
  return I::kIid;
}
template <>
GUID iidOf<IInspectable>() {
  return __uuidof(IInspectable);
}
template <>
GUID iidOf<IActivationFactory>() {
  return __uuidof(IActivationFactory);
}
// Parameterized, and never asked for by the program: only the vtable counts.
template <>
GUID iidOf<IVectorViewOf<IHostName>>() {
  return GUID{};
}
template <>
GUID iidOf<IVectorViewOf<INetworkOperatorTetheringClient>>() {
  return GUID{};
}

// An object with the given Windows Runtime interfaces.
template <typename... Interfaces>
class Object : public vanterel::ComObject<Interfaces...> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == __uuidof(IInspectable)) *object = static_cast<First*>(this);
    ((iid == iidOf<Interfaces>() ? (*object = static_cast<Interfaces*>(this)) : nullptr), ...);
    if (*object == nullptr) return E_NOINTERFACE;
    this->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIids(ULONG* count, IID** iids) override {
    *count = 0;
    *iids = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING* name) override {
    *name = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel* level) override {
    *level = BaseTrust;
    return S_OK;
  }
};

class Profile final : public Object<IInspectable> {};
Profile* const internetProfile = new Profile;

class Result final : public Object<INetworkOperatorTetheringOperationResult> {
 public:
  Result(INT32 status, std::u16string message) : status_(status), message_(std::move(message)) {}
  HRESULT STDMETHODCALLTYPE get_Status(INT32* value) override {
    *value = status_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_AdditionalErrorMessage(HSTRING* value) override {
    *value = newText(message_);
    return S_OK;
  }

 private:
  INT32 status_;
  std::u16string message_;
};

// An asynchronous call that completes, successfully, once a handler is set.
template <typename Async>
class Completion : public Object<Async> {
 public:
  HRESULT STDMETHODCALLTYPE put_Completed(typename Async::Handler* handler) override {
    if (handler == nullptr) return E_POINTER;
    const bool agile = answers(handler, IID_IAgileObject) && answers(handler, IID_IMarshal);
    record(u"handler", agile ? u"agile" : u"not agile");
    handler->AddRef();
    this->AddRef();
    handler_ = handler;
    UniqueHandle thread(CreateThread(nullptr, 0, &complete, this, 0, nullptr));
    return thread ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE get_Completed(typename Async::Handler** handler) override {
    *handler = handler_;
    if (handler_ != nullptr) handler_->AddRef();
    return S_OK;
  }

 private:
  static DWORD WINAPI complete(void* parameter) {
    auto* self = static_cast<Completion*>(parameter);
    self->handler_->Invoke(self, Completed);
    self->handler_->Release();
    self->Release();
    return 0;
  }

  typename Async::Handler* handler_ = nullptr;
};

class Action final : public Completion<IAsyncAction> {
 public:
  HRESULT STDMETHODCALLTYPE GetResults() override { return S_OK; }
};

class Operation final : public Completion<IAsyncOperationOfTetheringResult> {
 public:
  Operation(INT32 status, std::u16string message) : status_(status), message_(std::move(message)) {}
  HRESULT STDMETHODCALLTYPE GetResults(INetworkOperatorTetheringOperationResult** result) override {
    *result = new Result(status_, message_);
    return S_OK;
  }

 private:
  INT32 status_;
  std::u16string message_;
};

class Configuration final : public Object<INetworkOperatorTetheringAccessPointConfiguration,
                                          INetworkOperatorTetheringAccessPointConfiguration2> {
 public:
  HRESULT STDMETHODCALLTYPE get_Ssid(HSTRING* value) override {
    *value = newText(ssid);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Ssid(HSTRING value) override {
    ssid = textOf(value);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Passphrase(HSTRING* value) override {
    *value = newText(passphrase);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Passphrase(HSTRING value) override {
    passphrase = textOf(value);
    return S_OK;
  }
  // The simulated adapter has 2.4 and 5 GHz, and "any".
  HRESULT STDMETHODCALLTYPE IsBandSupported(INT32 value, ::boolean* supported) override {
    *supported = value >= 0 && value <= 2;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE IsBandSupportedAsync(INT32, IInspectable** operation) override {
    *operation = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_Band(INT32* value) override {
    *value = band;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Band(INT32 value) override {
    if (value < 0 || value > 2) return E_INVALIDARG;
    band = value;
    return S_OK;
  }

  std::u16string ssid;
  std::u16string passphrase;
  INT32 band = 0;
};

// A collection that hands out a reference to each of its items.
template <typename T>
class VectorView final : public Object<IVectorViewOf<T>> {
 public:
  explicit VectorView(std::vector<T*> items) : items_(std::move(items)) {}
  HRESULT STDMETHODCALLTYPE GetAt(UINT32 index, T** item) override {
    if (index >= items_.size()) return E_INVALIDARG;
    *item = items_[index];
    (*item)->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Size(UINT32* size) override {
    *size = static_cast<UINT32>(items_.size());
    return S_OK;
  }

 protected:
  ~VectorView() override {
    for (T* item : items_) item->Release();
  }

 private:
  std::vector<T*> items_;
};

class HostName final : public Object<IHostName> {
 public:
  HostName(HostNameType type, std::u16string name) : type_(type), name_(std::move(name)) {}
  HRESULT STDMETHODCALLTYPE get_IPInformation(IInspectable** value) override {
    *value = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_RawName(HSTRING* value) override {
    *value = newText(name_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_DisplayName(HSTRING* value) override {
    *value = newText(name_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_CanonicalName(HSTRING* value) override {
    *value = newText(name_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Type(INT32* value) override {
    *value = static_cast<INT32>(type_);
    return S_OK;
  }

 private:
  HostNameType type_;
  std::u16string name_;
};

// A client of the state file: its names are its IPv4 address and its host
// name, where the file gives them.
class Client final : public Object<INetworkOperatorTetheringClient> {
 public:
  explicit Client(vanterel::e2e::TetheringState::Client client) : client_(std::move(client)) {}
  HRESULT STDMETHODCALLTYPE get_MacAddress(HSTRING* value) override {
    *value = newText(client_.mac);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_HostNames(IVectorViewOf<IHostName>** value) override {
    std::vector<IHostName*> names;
    if (!client_.ipv4.empty()) names.push_back(new HostName(HostNameType::Ipv4, client_.ipv4));
    if (!client_.name.empty()) {
      names.push_back(new HostName(HostNameType::DomainName, client_.name));
    }
    *value = new VectorView<IHostName>(std::move(names));
    return S_OK;
  }

 private:
  vanterel::e2e::TetheringState::Client client_;
};

class Manager final
    : public Object<INetworkOperatorTetheringManager, INetworkOperatorTetheringClientManager> {
 public:
  HRESULT STDMETHODCALLTYPE get_MaxClientCount(UINT32* value) override {
    *value = 8;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_ClientCount(UINT32* value) override {
    *value = static_cast<UINT32>(hotspotState().clients.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE
  get_TetheringOperationalState(TetheringOperationalState* value) override {
    using Operational = vanterel::e2e::TetheringState::Operational;
    switch (hotspotState().state) {
      case Operational::On:
        *value = TetheringOperationalState::On;
        break;
      case Operational::Off:
        *value = TetheringOperationalState::Off;
        break;
      case Operational::InTransition:
        *value = TetheringOperationalState::InTransition;
        break;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE
  GetTetheringClients(IVectorViewOf<INetworkOperatorTetheringClient>** clients) override {
    std::vector<INetworkOperatorTetheringClient*> listed;
    for (const auto& client : hotspotState().clients) listed.push_back(new Client(client));
    *clients = new VectorView<INetworkOperatorTetheringClient>(std::move(listed));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCurrentAccessPointConfiguration(
      INetworkOperatorTetheringAccessPointConfiguration** configuration) override {
    const vanterel::e2e::TetheringState state = hotspotState();
    auto* current = new Configuration;
    current->ssid = state.ssid;
    current->passphrase = state.passphrase;
    current->band = state.band;
    *configuration = current;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE
  ConfigureAccessPointAsync(INetworkOperatorTetheringAccessPointConfiguration* configuration,
                            IAsyncAction** action) override {
    HSTRING ssid = nullptr;
    HSTRING passphrase = nullptr;
    configuration->get_Ssid(&ssid);
    configuration->get_Passphrase(&passphrase);
    record(u"configure", textOf(ssid), textOf(passphrase));
    vanterel::e2e::TetheringState state = hotspotState();
    state.ssid = textOf(ssid);
    state.passphrase = textOf(passphrase);
    INetworkOperatorTetheringAccessPointConfiguration2* withBand = nullptr;
    if (SUCCEEDED(
            configuration->QueryInterface(INetworkOperatorTetheringAccessPointConfiguration2::kIid,
                                          reinterpret_cast<void**>(&withBand)))) {
      withBand->get_Band(&state.band);
      withBand->Release();
    }
    keep(state);
    WindowsDeleteString(ssid);
    WindowsDeleteString(passphrase);
    *action = new Action;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE
  StartTetheringAsync(IAsyncOperationOfTetheringResult** operation) override {
    record(u"start");
    const INT32 status = statusRule("start");
    if (status == 0) {
      vanterel::e2e::TetheringState state = hotspotState();
      state.state = vanterel::e2e::TetheringState::Operational::On;
      keep(state);
    }
    *operation = new Operation(status, rules()["start-message"]);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE
  StopTetheringAsync(IAsyncOperationOfTetheringResult** operation) override {
    record(u"stop");
    const INT32 status = statusRule("stop");
    if (status == 0) {
      vanterel::e2e::TetheringState state = hotspotState();
      state.state = vanterel::e2e::TetheringState::Operational::Off;
      state.clients.clear();
      keep(state);
    }
    *operation = new Operation(status, u"");
    return S_OK;
  }
};

// Both classes have only statics: nothing to activate.
class NetworkInformation final : public Object<IActivationFactory, INetworkInformationStatics> {
 public:
  HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
    *instance = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetConnectionProfiles(IInspectable** profiles) override {
    *profiles = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetInternetConnectionProfile(IInspectable** profile) override {
    *profile = rules()["connection"] == u"none" ? nullptr : internetProfile;
    if (*profile != nullptr) internetProfile->AddRef();
    return S_OK;
  }
};

class TetheringManagers final
    : public Object<IActivationFactory, INetworkOperatorTetheringManagerStatics2,
                    INetworkOperatorTetheringManagerStatics3,
                    INetworkOperatorTetheringManagerStatics4> {
 public:
  HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
    *instance = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTetheringCapabilityFromConnectionProfile(IInspectable*,
                                                                        INT32*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE IsNoConnectionsTimeoutEnabled(::boolean* enabled) override {
    *enabled = hotspotState().noConnectionsTimeout;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnableNoConnectionsTimeout() override { return setTimeout(true); }
  HRESULT STDMETHODCALLTYPE EnableNoConnectionsTimeoutAsync(IAsyncAction** action) override {
    return setTimeoutAsync(true, action);
  }
  HRESULT STDMETHODCALLTYPE DisableNoConnectionsTimeout() override { return setTimeout(false); }
  HRESULT STDMETHODCALLTYPE DisableNoConnectionsTimeoutAsync(IAsyncAction** action) override {
    return setTimeoutAsync(false, action);
  }
  // Only for the profile of the internet connection.
  HRESULT STDMETHODCALLTYPE CreateFromConnectionProfile(
      IInspectable* profile, INetworkOperatorTetheringManager** manager) override {
    *manager = nullptr;
    if (profile != internetProfile) return E_INVALIDARG;
    *manager = new Manager;
    return S_OK;
  }

 private:
  static HRESULT setTimeout(bool enabled) {
    record(enabled ? u"timeout on" : u"timeout off");
    vanterel::e2e::TetheringState state = hotspotState();
    state.noConnectionsTimeout = enabled;
    keep(state);
    return S_OK;
  }
  static HRESULT setTimeoutAsync(bool enabled, IAsyncAction** action) {
    setTimeout(enabled);
    *action = new Action;
    return S_OK;
  }
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI
    DllGetActivationFactory(HSTRING classId, IActivationFactory** factory) {
  const std::u16string name = textOf(classId);
  const auto is = [&](const wchar_t* className) {
    return name == std::u16string(className, className + wcslen(className));
  };
  if (is(kNetworkInformationClass)) {
    *factory = new NetworkInformation;
  } else if (is(kTetheringManagerClass)) {
    *factory = new TetheringManagers;
  } else {
    *factory = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return S_OK;
}
