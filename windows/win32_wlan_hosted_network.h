#pragma once

#include <windows.h>

// The hosted-network part of wlanapi.dll, as Windows 7 documents it. MinGW's
// headers lack it, and the program looks the functions up at run time.
namespace vanterel {

enum WlanHostedNetworkState : int {
  kWlanHostedNetworkUnavailable,
  kWlanHostedNetworkIdle,
  kWlanHostedNetworkActive,
};

// WLAN_HOSTED_NETWORK_PEER_AUTH_STATE's value for a device let in.
constexpr int kWlanHostedNetworkPeerAuthenticated = 1;

struct WlanHostedNetworkPeerState {
  UCHAR peerMacAddress[6];
  int peerAuthState;
};

struct WlanHostedNetworkStatus {
  WlanHostedNetworkState hostedNetworkState;
  GUID ipDeviceId;
  UCHAR hostedNetworkAddress[6];
  ULONG channelFrequency;
  int dot11PhyType;
  DWORD numberOfPeers;
  WlanHostedNetworkPeerState peerList[1];
};

// The client version of Windows Vista and later.
constexpr DWORD kWlanClientVersion = 2;

using WlanOpenHandleFunction = DWORD(WINAPI*)(DWORD clientVersion, void* reserved,
                                              DWORD* negotiatedVersion, HANDLE* client);
using WlanCloseHandleFunction = DWORD(WINAPI*)(HANDLE client, void* reserved);
using WlanFreeMemoryFunction = void(WINAPI*)(void* memory);
using WlanHostedNetworkQueryStatusFunction = DWORD(WINAPI*)(HANDLE client,
                                                            WlanHostedNetworkStatus** status,
                                                            void* reserved);

// WLAN_HOSTED_NETWORK_OPCODE's flag that allows the hosted network; its
// value is a BOOL.
constexpr int kWlanHostedNetworkOpcodeEnable = 3;
using WlanHostedNetworkQueryPropertyFunction = DWORD(WINAPI*)(HANDLE client, int opcode,
                                                              DWORD* dataSize, void** data,
                                                              int* valueType, void* reserved);

}  // namespace vanterel
