// Takes the place of Windows' sharing manager (HNetCfg.HNetShare), which
// Wine lacks: an in-process server registered for CLSID_NetSharingManager
// in the test prefix. It lists the connections of the test's setup file,
// shares one pair at a time as Windows does, writes each change back to the
// file and records it in the test's log; a call the setup names fails with
// the setup's code. What the program never calls answers E_NOTIMPL.
#include <windows.h>
#include <netcon.h>

#include <string>
#include <vector>

#include "windows/com_object.h"
#include "tests/e2e/environment_block.h"
#include "tests/e2e/sharing_setup.h"

namespace {

using vanterel::e2e::SharingSetup;

// Windows' answer when a pair is shared already.
constexpr HRESULT kAllSubscribersFailed = static_cast<HRESULT>(0x80040201);

SharingSetup& setup() {
  static SharingSetup current;
  return current;
}

std::wstring setupPath() { return vanterel::e2e::environmentVariable(L"VANTEREL_SHARING_SETUP"); }

HRESULT failureOr(const char* call, HRESULT otherwise = S_OK) {
  const auto code = setup().failureOf(call);
  return code ? static_cast<HRESULT>(*code) : otherwise;
}

void record(const std::string& line) {
  vanterel::e2e::appendSharingLog(vanterel::e2e::environmentVariable(L"VANTEREL_SHARING_LOG"),
                                  line);
  vanterel::e2e::writeSharingSetup(setupPath(), setup());
}

template <typename Interface>
HRESULT handOut(Interface* object, void** result) {
  object->AddRef();
  *result = object;
  return S_OK;
}

// The interfaces, with IDispatch, which the program never calls, answered
// once for all of them that derive from it.
template <typename... Interfaces>
class WithoutDispatch : public Interfaces... {
 public:
  HRESULT WINAPI GetTypeInfoCount(UINT* count) override {
    if (count != nullptr) *count = 0;
    return S_OK;
  }
  HRESULT WINAPI GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT WINAPI GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
    return E_NOTIMPL;
  }
};

// One connection of the setup, with its properties and sharing.
class Connection final
    : public vanterel::ComObject<
          WithoutDispatch<INetConnection, INetConnectionProps, INetSharingConfiguration>> {
 public:
  explicit Connection(std::size_t index) : index_(index) {}

  HRESULT WINAPI QueryInterface(REFIID id, void** result) override {
    if (result == nullptr) return E_POINTER;
    *result = nullptr;
    if (id == IID_IUnknown || id == IID_INetConnection) {
      return handOut(static_cast<INetConnection*>(this), result);
    }
    if (id == IID_IDispatch || id == IID_INetConnectionProps) {
      return handOut(static_cast<INetConnectionProps*>(this), result);
    }
    if (id == IID_INetSharingConfiguration) {
      return handOut(static_cast<INetSharingConfiguration*>(this), result);
    }
    return E_NOINTERFACE;
  }

  HRESULT WINAPI Connect() override { return E_NOTIMPL; }
  HRESULT WINAPI Disconnect() override { return E_NOTIMPL; }
  HRESULT WINAPI Delete() override { return E_NOTIMPL; }
  HRESULT WINAPI Duplicate(LPCWSTR, INetConnection**) override { return E_NOTIMPL; }
  HRESULT WINAPI GetProperties(NETCON_PROPERTIES**) override { return E_NOTIMPL; }
  HRESULT WINAPI GetUiObjectClassId(CLSID*) override { return E_NOTIMPL; }
  HRESULT WINAPI Rename(LPCWSTR) override { return E_NOTIMPL; }

  HRESULT WINAPI get_Guid(BSTR* guid) override {
    if (guid == nullptr) return E_POINTER;
    if (const HRESULT failure = failureOr("get_Guid"); FAILED(failure)) return failure;
    const std::string& text = mine().guid;
    *guid = SysAllocString(std::wstring(text.begin(), text.end()).c_str());
    return *guid ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT WINAPI get_Name(BSTR*) override { return E_NOTIMPL; }
  HRESULT WINAPI get_DeviceName(BSTR*) override { return E_NOTIMPL; }
  HRESULT WINAPI get_Status(NETCON_STATUS*) override { return E_NOTIMPL; }
  HRESULT WINAPI get_MediaType(NETCON_MEDIATYPE*) override { return E_NOTIMPL; }
  HRESULT WINAPI get_Characteristics(DWORD*) override { return E_NOTIMPL; }

  HRESULT WINAPI get_SharingEnabled(VARIANT_BOOL* enabled) override {
    if (enabled == nullptr) return E_POINTER;
    *enabled = mine().role == "none" ? VARIANT_FALSE : VARIANT_TRUE;
    return failureOr("get_SharingEnabled");
  }
  HRESULT WINAPI get_SharingConnectionType(SHARINGCONNECTIONTYPE* type) override {
    if (type == nullptr) return E_POINTER;
    *type = mine().role == "private" ? ICSSHARINGTYPE_PRIVATE : ICSSHARINGTYPE_PUBLIC;
    return failureOr("get_SharingConnectionType");
  }
  HRESULT WINAPI DisableSharing() override {
    if (const HRESULT failure = failureOr("DisableSharing"); FAILED(failure)) return failure;
    mine().role = "none";
    record("DisableSharing " + mine().guid);
    return S_OK;
  }
  HRESULT WINAPI EnableSharing(SHARINGCONNECTIONTYPE type) override {
    if (type != ICSSHARINGTYPE_PUBLIC && type != ICSSHARINGTYPE_PRIVATE) return E_INVALIDARG;
    const bool isPublic = type == ICSSHARINGTYPE_PUBLIC;
    // A failure may name one role, and one connection: EnableSharingPrivate:{GUID}.
    const std::string ofRole = isPublic ? "EnableSharingPublic" : "EnableSharingPrivate";
    const HRESULT ofConnection = failureOr((ofRole + ":" + mine().guid).c_str());
    const HRESULT failure = failureOr("EnableSharing", failureOr(ofRole.c_str(), ofConnection));
    if (FAILED(failure)) return failure;
    const std::string role = isPublic ? "public" : "private";
    for (const auto& other : setup().connections) {
      if (other.role == role && &other != &mine()) return kAllSubscribersFailed;
    }
    mine().role = role;
    record("EnableSharing " + mine().guid + " " + role);
    return S_OK;
  }
  HRESULT WINAPI get_InternetFirewallEnabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT WINAPI DisableInternetFirewall() override { return E_NOTIMPL; }
  HRESULT WINAPI EnableInternetFirewall() override { return E_NOTIMPL; }
  HRESULT WINAPI get_EnumPortMappings(SHARINGCONNECTION_ENUM_FLAGS,
                                      INetSharingPortMappingCollection**) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI AddPortMapping(BSTR, UCHAR, USHORT, USHORT, DWORD, BSTR, ICS_TARGETTYPE,
                                INetSharingPortMapping**) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI RemovePortMapping(INetSharingPortMapping*) override { return E_NOTIMPL; }

 private:
  SharingSetup::Connection& mine() const { return setup().connections.at(index_); }

  std::size_t index_;
};

// Hands out the setup's connections, as VARIANTs holding their IUnknown.
class Enumerator final : public vanterel::ComObject<IEnumVARIANT> {
 public:
  HRESULT WINAPI QueryInterface(REFIID id, void** result) override {
    if (result == nullptr) return E_POINTER;
    *result = nullptr;
    if (id == IID_IUnknown || id == IID_IEnumVARIANT) {
      return handOut(static_cast<IEnumVARIANT*>(this), result);
    }
    return E_NOINTERFACE;
  }

  HRESULT WINAPI Next(ULONG wanted, VARIANT* items, ULONG* fetched) override {
    if (items == nullptr || (fetched == nullptr && wanted != 1)) return E_INVALIDARG;
    ULONG given = 0;
    for (; given < wanted && next_ < setup().connections.size(); ++given) {
      VariantInit(&items[given]);
      items[given].vt = VT_UNKNOWN;
      items[given].punkVal = static_cast<INetConnection*>(new Connection(next_++));
    }
    if (fetched != nullptr) *fetched = given;
    return given == wanted ? S_OK : S_FALSE;
  }
  HRESULT WINAPI Skip(ULONG count) override {
    next_ += count;
    return next_ <= setup().connections.size() ? S_OK : S_FALSE;
  }
  HRESULT WINAPI Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT WINAPI Clone(IEnumVARIANT**) override { return E_NOTIMPL; }

 private:
  std::size_t next_ = 0;
};

class Manager final
    : public vanterel::ComObject<
          WithoutDispatch<INetSharingManager, INetSharingEveryConnectionCollection>> {
 public:
  HRESULT WINAPI QueryInterface(REFIID id, void** result) override {
    if (result == nullptr) return E_POINTER;
    *result = nullptr;
    if (id == IID_IUnknown || id == IID_IDispatch || id == IID_INetSharingManager) {
      return handOut(static_cast<INetSharingManager*>(this), result);
    }
    return E_NOINTERFACE;
  }

  HRESULT WINAPI get_SharingInstalled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT WINAPI get_EnumPublicConnections(SHARINGCONNECTION_ENUM_FLAGS,
                                           INetSharingPublicConnectionCollection**) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI get_EnumPrivateConnections(SHARINGCONNECTION_ENUM_FLAGS,
                                            INetSharingPrivateConnectionCollection**) override {
    return E_NOTIMPL;
  }
  HRESULT WINAPI get_INetSharingConfigurationForINetConnection(
      INetConnection* connection, INetSharingConfiguration** configuration) override {
    if (connection == nullptr || configuration == nullptr) return E_POINTER;
    *configuration = nullptr;
    const HRESULT failure = failureOr("get_INetSharingConfigurationForINetConnection");
    if (FAILED(failure)) return failure;
    return connection->QueryInterface(IID_INetSharingConfiguration,
                                      reinterpret_cast<void**>(configuration));
  }
  HRESULT WINAPI get_EnumEveryConnection(INetSharingEveryConnectionCollection** all) override {
    if (all == nullptr) return E_POINTER;
    *all = nullptr;
    if (const HRESULT failure = failureOr("get_EnumEveryConnection"); FAILED(failure))
      return failure;
    AddRef();
    *all = this;
    return S_OK;
  }
  HRESULT WINAPI get_NetConnectionProps(INetConnection* connection,
                                        INetConnectionProps** properties) override {
    if (connection == nullptr || properties == nullptr) return E_POINTER;
    *properties = nullptr;
    if (const HRESULT failure = failureOr("get_NetConnectionProps"); FAILED(failure))
      return failure;
    return connection->QueryInterface(IID_INetConnectionProps,
                                      reinterpret_cast<void**>(properties));
  }

  HRESULT WINAPI get__NewEnum(IUnknown** enumerator) override {
    if (enumerator == nullptr) return E_POINTER;
    *enumerator = new Enumerator;
    return S_OK;
  }
  HRESULT WINAPI get_Count(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    *count = static_cast<LONG>(setup().connections.size());
    return S_OK;
  }
};

// Lives as long as the DLL, which stays loaded.
class Factory final : public IClassFactory {
 public:
  HRESULT WINAPI QueryInterface(REFIID id, void** result) override {
    if (result == nullptr) return E_POINTER;
    *result = nullptr;
    if (id == IID_IUnknown || id == IID_IClassFactory) return handOut(this, result);
    return E_NOINTERFACE;
  }
  ULONG WINAPI AddRef() override { return 2; }
  ULONG WINAPI Release() override { return 1; }

  HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID id, void** result) override {
    if (result == nullptr) return E_POINTER;
    *result = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    // Each new manager sees the network as the file says now.
    const auto read = vanterel::e2e::readSharingSetup(setupPath());
    if (!read) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    setup() = *read;
    if (const HRESULT failure = failureOr("CreateInstance"); FAILED(failure)) return failure;
    auto* manager = new Manager;
    const HRESULT answer = manager->QueryInterface(id, result);
    manager->Release();
    return answer;
  }
  HRESULT WINAPI LockServer(BOOL) override { return S_OK; }
};

Factory theFactory;

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI
    DllGetClassObject(REFCLSID id, REFIID wanted, void** result) {
  if (result == nullptr) return E_POINTER;
  *result = nullptr;
  if (id != CLSID_NetSharingManager) return CLASS_E_CLASSNOTAVAILABLE;
  return theFactory.QueryInterface(wanted, result);
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() { return S_FALSE; }
