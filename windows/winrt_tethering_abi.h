#pragma once

// The few Windows Runtime interfaces the Mobile hotspot needs, declared by
// hand: MinGW has no usable headers for them. Each interface lists its
// methods in vtable order up to the last one called; later ones are left
// out. IIDs and method order are as the Windows metadata gives them, taken
// from two projections generated from it and checked against each other:
//   C++/WinRT, microsoft/cppwinrt 10.0.14393.0/winrt/internal/
//     Windows.Networking.NetworkOperators.0.h, Windows.Networking.Connectivity.0.h
//   Dart, halildurmus/dartwinrt packages/windows_networking/lib/src/
//     networkoperators/*.dart, connectivity/inetworkinformationstatics.dart
// (the access point's band, the clients and their host names, and the
// no-connections timeout, which came later, from the Dart projection and
// the Kotlin or Delphi one of the same metadata, which agree).
// The parameterized interfaces have IIDs computed from their signatures:
// see winrt_parameterized_iids.h; the Delphi projection publishes the same
// values (bewlief/delphi-samples xe11-source/rtl/win/winrt/
// WinAPI.Networking.NetworkOperators.pas).
#include <windows.h>
#include <inspectable.h>
#include <activation.h>
#include <asyncinfo.h>

#include "hotspot/hotspot_look.h"
#include "windows/winrt_parameterized_iids.h"

namespace vanterel::winrt {

using Guid = GUID;

constexpr Guid guidOf(const InterfaceId& id) {
  return {id.data1,
          id.data2,
          id.data3,
          {id.data4[0], id.data4[1], id.data4[2], id.data4[3], id.data4[4], id.data4[5],
           id.data4[6], id.data4[7]}};
}

inline constexpr wchar_t kNetworkInformationClass[] =
    L"Windows.Networking.Connectivity.NetworkInformation";
inline constexpr wchar_t kTetheringManagerClass[] =
    L"Windows.Networking.NetworkOperators.NetworkOperatorTetheringManager";

// Windows.Networking.NetworkOperators.TetheringOperationalState
using TetheringOperationalState = ::vanterel::TetheringState;

// Windows.Networking.Connectivity.INetworkInformationStatics
struct INetworkInformationStatics : IInspectable {
  static constexpr Guid kIid = {
      0x5074f851, 0x950d, 0x4165, {0x9c, 0x15, 0x36, 0x56, 0x19, 0x48, 0x1e, 0xea}};
  virtual HRESULT STDMETHODCALLTYPE GetConnectionProfiles(IInspectable** profiles) = 0;
  // Null when the computer has no connection to the internet.
  virtual HRESULT STDMETHODCALLTYPE GetInternetConnectionProfile(IInspectable** profile) = 0;
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringAccessPointConfiguration
struct INetworkOperatorTetheringAccessPointConfiguration : IInspectable {
  static constexpr Guid kIid = {
      0x0bcc0284, 0x412e, 0x403d, {0xac, 0xc6, 0xb7, 0x57, 0xe3, 0x47, 0x74, 0xa4}};
  virtual HRESULT STDMETHODCALLTYPE get_Ssid(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Ssid(HSTRING value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Passphrase(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Passphrase(HSTRING value) = 0;
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringAccessPointConfiguration2
// (Windows 10 2004): the band, a TetheringWiFiBand (0 any, 1 2.4 GHz, 2 5 GHz).
struct INetworkOperatorTetheringAccessPointConfiguration2 : IInspectable {
  static constexpr Guid kIid = {
      0xb1809142, 0x7238, 0x59a0, {0x92, 0x8b, 0x74, 0xab, 0x46, 0xfd, 0x64, 0xb6}};
  virtual HRESULT STDMETHODCALLTYPE IsBandSupported(INT32 band, ::boolean* supported) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsBandSupportedAsync(INT32 band, IInspectable** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Band(INT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Band(INT32 value) = 0;
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringOperationResult
struct INetworkOperatorTetheringOperationResult : IInspectable {
  static constexpr Guid kIid = {
      0xebd203a1, 0x01ba, 0x476d, {0xb4, 0xb3, 0xbf, 0x3d, 0x12, 0xc8, 0xf8, 0x0c}};
  // A TetheringOperationStatus.
  virtual HRESULT STDMETHODCALLTYPE get_Status(INT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_AdditionalErrorMessage(HSTRING* value) = 0;
};

struct IAsyncOperationOfTetheringResult;

// Windows.Foundation.AsyncOperationCompletedHandler<NetworkOperatorTetheringOperationResult>
struct AsyncOperationCompletedHandlerOfTetheringResult : IUnknown {
  static constexpr Guid kIid = guidOf(kCompletedHandlerOfTetheringResult);
  virtual HRESULT STDMETHODCALLTYPE Invoke(IAsyncOperationOfTetheringResult* operation,
                                           AsyncStatus status) = 0;
};

// Windows.Foundation.IAsyncOperation<NetworkOperatorTetheringOperationResult>
struct IAsyncOperationOfTetheringResult : IInspectable {
  static constexpr Guid kIid = guidOf(kAsyncOperationOfTetheringResult);
  using Handler = AsyncOperationCompletedHandlerOfTetheringResult;
  virtual HRESULT STDMETHODCALLTYPE put_Completed(Handler* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Completed(Handler** handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  GetResults(INetworkOperatorTetheringOperationResult** result) = 0;
};

struct IAsyncAction;

// Windows.Foundation.AsyncActionCompletedHandler
struct AsyncActionCompletedHandler : IUnknown {
  static constexpr Guid kIid = {
      0xa4ed5c81, 0x76c9, 0x40bd, {0x8b, 0xe6, 0xb1, 0xd9, 0x0f, 0xb2, 0x0a, 0xe7}};
  virtual HRESULT STDMETHODCALLTYPE Invoke(IAsyncAction* action, AsyncStatus status) = 0;
};

// Windows.Foundation.IAsyncAction
struct IAsyncAction : IInspectable {
  static constexpr Guid kIid = {
      0x5a648006, 0x843a, 0x4da9, {0x86, 0x5b, 0x9d, 0x26, 0xe5, 0xdf, 0xad, 0x7b}};
  using Handler = AsyncActionCompletedHandler;
  virtual HRESULT STDMETHODCALLTYPE put_Completed(Handler* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Completed(Handler** handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetResults() = 0;
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringManager
struct INetworkOperatorTetheringManager : IInspectable {
  static constexpr Guid kIid = {
      0xd45a8da0, 0x0e86, 0x4d98, {0x8b, 0xa4, 0xdd, 0x70, 0xd4, 0xb7, 0x64, 0xd3}};
  virtual HRESULT STDMETHODCALLTYPE get_MaxClientCount(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ClientCount(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  get_TetheringOperationalState(TetheringOperationalState* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentAccessPointConfiguration(
      INetworkOperatorTetheringAccessPointConfiguration** configuration) = 0;
  virtual HRESULT STDMETHODCALLTYPE ConfigureAccessPointAsync(
      INetworkOperatorTetheringAccessPointConfiguration* configuration, IAsyncAction** action) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  StartTetheringAsync(IAsyncOperationOfTetheringResult** operation) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  StopTetheringAsync(IAsyncOperationOfTetheringResult** operation) = 0;
};

// Windows.Networking.IHostName: one of the names or addresses of a device.
struct IHostName : IInspectable {
  static constexpr Guid kIid = {
      0xbf8ecaad, 0xed96, 0x49a7, {0x90, 0x84, 0xd4, 0x16, 0xca, 0xe8, 0x8d, 0xcb}};
  virtual HRESULT STDMETHODCALLTYPE get_IPInformation(IInspectable** value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RawName(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DisplayName(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CanonicalName(HSTRING* value) = 0;
  // A HostNameType.
  virtual HRESULT STDMETHODCALLTYPE get_Type(INT32* value) = 0;
};

// Windows.Networking.HostNameType
enum class HostNameType : INT32 { DomainName = 0, Ipv4 = 1, Ipv6 = 2, Bluetooth = 3 };

// Windows.Foundation.Collections.IVectorView<T>, for the T given; only the
// vtable is used, never its parameterized IID.
template <typename T>
struct IVectorViewOf : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE GetAt(UINT32 index, T** item) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Size(UINT32* size) = 0;
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringClient
struct INetworkOperatorTetheringClient : IInspectable {
  static constexpr Guid kIid = {
      0x709d254c, 0x595f, 0x4847, {0xbb, 0x30, 0x64, 0x69, 0x35, 0x54, 0x29, 0x18}};
  virtual HRESULT STDMETHODCALLTYPE get_MacAddress(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_HostNames(IVectorViewOf<IHostName>** value) = 0;
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringClientManager
// (Windows 10 1703): of the manager, the devices connected.
struct INetworkOperatorTetheringClientManager : IInspectable {
  static constexpr Guid kIid = {
      0x91b14016, 0x8dca, 0x4225, {0xbb, 0xed, 0xee, 0xf8, 0xb8, 0xd7, 0x18, 0xd7}};
  virtual HRESULT STDMETHODCALLTYPE
  GetTetheringClients(IVectorViewOf<INetworkOperatorTetheringClient>** clients) = 0;
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringManagerStatics2
// (Windows 8.1): makes a manager for the connection it is to share.
struct INetworkOperatorTetheringManagerStatics2 : IInspectable {
  static constexpr Guid kIid = {
      0x5b235412, 0x35f0, 0x49e7, {0x9b, 0x08, 0x16, 0xd2, 0x78, 0xfb, 0xaa, 0x42}};
  virtual HRESULT STDMETHODCALLTYPE
  GetTetheringCapabilityFromConnectionProfile(IInspectable* profile, INT32* capability) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateFromConnectionProfile(
      IInspectable* profile, INetworkOperatorTetheringManager** manager) = 0;
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringManagerStatics3
// (Windows 10 1607, with the Mobile hotspot): only asked for, never called.
struct INetworkOperatorTetheringManagerStatics3 : IInspectable {
  static constexpr Guid kIid = {
      0x8fdaadb6, 0x4af9, 0x4f21, {0x9b, 0x58, 0xd5, 0x3e, 0x9f, 0x24, 0x23, 0x1e}};
};

// Windows.Networking.NetworkOperators.INetworkOperatorTetheringManagerStatics4
// (Windows 10 2004): the timeout that turns the hotspot off a while after the
// last device left.
struct INetworkOperatorTetheringManagerStatics4 : IInspectable {
  static constexpr Guid kIid = {
      0xb3b9f9d0, 0xebff, 0x46a4, {0xa8, 0x47, 0xd6, 0x63, 0xd8, 0xb0, 0x97, 0x7e}};
  virtual HRESULT STDMETHODCALLTYPE IsNoConnectionsTimeoutEnabled(::boolean* enabled) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableNoConnectionsTimeout() = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableNoConnectionsTimeoutAsync(IAsyncAction** action) = 0;
  virtual HRESULT STDMETHODCALLTYPE DisableNoConnectionsTimeout() = 0;
  virtual HRESULT STDMETHODCALLTYPE DisableNoConnectionsTimeoutAsync(IAsyncAction** action) = 0;
};

}  // namespace vanterel::winrt
