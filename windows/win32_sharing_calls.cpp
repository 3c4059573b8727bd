// IP Helper needs Winsock's definitions, which must come before windows.h.
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>

#include "windows/win32_sharing_calls.h"

#include <oleauto.h>

#include "windows/win32_library.h"
#include "windows/win32_text.h"
#include "windows/win32_wlanapi.h"

namespace vanterel {
namespace {

using Microsoft::WRL::ComPtr;

std::optional<SharingFailure> failure(SharingStep step, HRESULT result) {
  return SharingFailure{step, static_cast<std::uint32_t>(result)};
}

std::optional<SharingFailure> failure(SharingStep step, DWORD error) {
  return failure(step, HRESULT_FROM_WIN32(error));
}

std::u16string guidText(const GUID& guid) {
  wchar_t text[40];
  const int length = StringFromGUID2(guid, text, 40);
  return length > 0 ? fromWide(text, static_cast<std::size_t>(length - 1)) : u"";
}

// Frees what a BSTR out-parameter received, on every path.
struct OwnedBstr {
  BSTR value = nullptr;
  ~OwnedBstr() { SysFreeString(value); }
};

// Where GetBestInterfaceEx says there is no route at all.
bool meansNoRoute(DWORD error) {
  return error == ERROR_NETWORK_UNREACHABLE || error == ERROR_HOST_UNREACHABLE ||
         error == ERROR_NOT_FOUND;
}

}  // namespace

Win32SharingCalls::Win32SharingCalls() : com_(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}

Win32SharingCalls::~Win32SharingCalls() {
  // Every interface goes before the apartment does.
  configurations_.clear();
  manager_.Reset();
  if (SUCCEEDED(com_)) CoUninitialize();
  if (iphlpapi_ != nullptr) FreeLibrary(iphlpapi_);
}

std::optional<SharingFailure> Win32SharingCalls::hostedAdapter(std::u16string& guid) {
  constexpr SharingStep step = SharingStep::FindHostedAdapter;
  const WlanClient client(wlanapi());
  HostedNetworkReading hosted;
  if (const DWORD error = readHostedNetwork(client, hosted)) return failure(step, error);
  if (hosted.state != kWlanHostedNetworkActive) {
    return failure(step, static_cast<DWORD>(ERROR_INVALID_STATE));
  }
  guid = guidText(hosted.adapter);
  return std::nullopt;
}

std::optional<SharingFailure> Win32SharingCalls::internetAdapter(std::u16string& guid) {
  constexpr SharingStep step = SharingStep::FindInternetConnection;
  // Not imported: IP Helper is no KnownDLL, and Windows would look for an
  // imported one beside the program first.
  if (iphlpapi_ == nullptr) iphlpapi_ = loadSystemLibrary(L"iphlpapi.dll");
  if (iphlpapi_ == nullptr) return failure(step, GetLastError());
  const auto bestInterface = lookUp<decltype(&GetBestInterfaceEx)>(iphlpapi_, "GetBestInterfaceEx");
  const auto adaptersAddresses =
      lookUp<decltype(&GetAdaptersAddresses)>(iphlpapi_, "GetAdaptersAddresses");
  if (!bestInterface || !adaptersAddresses) {
    return failure(step, static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  }
  // Any public address: the route to it is the one to the Internet.
  sockaddr_in publicAddress{};
  publicAddress.sin_family = AF_INET;
  publicAddress.sin_addr.S_un.S_un_b = {8, 8, 8, 8};
  DWORD index = 0;
  const DWORD routed = bestInterface(reinterpret_cast<sockaddr*>(&publicAddress), &index);
  if (meansNoRoute(routed)) return std::nullopt;
  if (routed != NO_ERROR) return failure(step, routed);

  std::vector<ULONGLONG> buffer(2048);
  ULONG size = 0;
  ULONG listed = ERROR_BUFFER_OVERFLOW;
  while (listed == ERROR_BUFFER_OVERFLOW) {
    size = static_cast<ULONG>(buffer.size() * sizeof(ULONGLONG));
    listed =
        adaptersAddresses(AF_INET,
                          GAA_FLAG_SKIP_UNICAST | GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST |
                              GAA_FLAG_SKIP_DNS_SERVER,
                          nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    if (listed == ERROR_BUFFER_OVERFLOW) buffer.resize(size / sizeof(ULONGLONG) + 1);
  }
  if (listed == ERROR_NO_DATA) return std::nullopt;
  if (listed != NO_ERROR) return failure(step, static_cast<DWORD>(listed));
  for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter != nullptr;
       adapter = adapter->Next) {
    if (adapter->IfIndex != index) continue;
    const std::string name = adapter->AdapterName;
    guid.assign(name.begin(), name.end());
    break;
  }
  return std::nullopt;
}

std::optional<SharingFailure> Win32SharingCalls::openSharingManager() {
  if (FAILED(com_)) return failure(SharingStep::OpenSharingManager, com_);
  if (manager_) return std::nullopt;
  const HRESULT created =
      CoCreateInstance(CLSID_NetSharingManager, nullptr, CLSCTX_ALL, IID_INetSharingManager,
                       reinterpret_cast<void**>(manager_.ReleaseAndGetAddressOf()));
  if (FAILED(created)) return failure(SharingStep::OpenSharingManager, created);
  return std::nullopt;
}

std::optional<SharingFailure> Win32SharingCalls::listConnections(
    std::vector<SharedConnection>& connections) {
  if (const auto failed = openSharingManager()) return failed;
  configurations_.clear();
  constexpr SharingStep listing = SharingStep::ListConnections;
  ComPtr<INetSharingEveryConnectionCollection> collection;
  HRESULT result = manager_->get_EnumEveryConnection(collection.GetAddressOf());
  if (FAILED(result)) return failure(listing, result);
  ComPtr<IUnknown> enumerable;
  result = collection->get__NewEnum(enumerable.GetAddressOf());
  if (FAILED(result)) return failure(listing, result);
  ComPtr<IEnumVARIANT> items;
  result =
      enumerable->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(items.GetAddressOf()));
  if (FAILED(result)) return failure(listing, result);

  for (;;) {
    VARIANT item;
    VariantInit(&item);
    ULONG fetched = 0;
    result = items->Next(1, &item, &fetched);
    if (FAILED(result)) return failure(listing, result);
    if (result != S_OK || fetched == 0) return std::nullopt;
    ComPtr<INetConnection> connection;
    if (item.vt == VT_UNKNOWN || item.vt == VT_DISPATCH) {
      result = item.punkVal->QueryInterface(IID_INetConnection,
                                            reinterpret_cast<void**>(connection.GetAddressOf()));
    } else {
      result = E_NOINTERFACE;
    }
    VariantClear(&item);
    if (FAILED(result)) return failure(listing, result);

    ComPtr<INetConnectionProps> properties;
    result = manager_->get_NetConnectionProps(connection.Get(), properties.GetAddressOf());
    OwnedBstr guid;
    if (SUCCEEDED(result)) result = properties->get_Guid(&guid.value);
    if (FAILED(result)) return failure(SharingStep::ReadConnection, result);

    ComPtr<INetSharingConfiguration> configuration;
    result = manager_->get_INetSharingConfigurationForINetConnection(connection.Get(),
                                                                     configuration.GetAddressOf());
    VARIANT_BOOL enabled = VARIANT_FALSE;
    if (SUCCEEDED(result)) result = configuration->get_SharingEnabled(&enabled);
    SHARINGCONNECTIONTYPE type = ICSSHARINGTYPE_PUBLIC;
    if (SUCCEEDED(result) && enabled != VARIANT_FALSE) {
      result = configuration->get_SharingConnectionType(&type);
    }
    if (FAILED(result)) return failure(SharingStep::ReadSharing, result);

    SharedConnection listed;
    listed.guid = guid.value ? fromWide(guid.value, SysStringLen(guid.value)) : u"";
    if (enabled != VARIANT_FALSE) {
      listed.role = type == ICSSHARINGTYPE_PRIVATE ? SharingRole::Private : SharingRole::Public;
    }
    connections.push_back(listed);
    configurations_.push_back(configuration);
  }
}

std::optional<SharingFailure> Win32SharingCalls::disableSharing(std::size_t connection) {
  const HRESULT result = configurations_.at(connection)->DisableSharing();
  return FAILED(result) ? failure(SharingStep::DisableSharing, result) : std::nullopt;
}

std::optional<SharingFailure> Win32SharingCalls::enableSharing(std::size_t connection,
                                                               SharingRole role) {
  const bool isPublic = role == SharingRole::Public;
  const HRESULT result =
      configurations_.at(connection)
          ->EnableSharing(isPublic ? ICSSHARINGTYPE_PUBLIC : ICSSHARINGTYPE_PRIVATE);
  if (FAILED(result)) {
    return failure(isPublic ? SharingStep::SharePublic : SharingStep::SharePrivate, result);
  }
  return std::nullopt;
}

}  // namespace vanterel
