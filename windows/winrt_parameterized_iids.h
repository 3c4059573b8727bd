#pragma once

#include <cstdint>

namespace vanterel::winrt {

// An interface ID as its parts, without <windows.h>.
struct InterfaceId {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};

// The parameterized interfaces the Mobile hotspot's calls return. Windows
// derives their IIDs from these signatures (a UUID of version 5 over
// "pinterface(<generic>;<argument>)"); a unit test derives them again.
inline constexpr char kAsyncOperationGeneric[] = "{9fc2b0bb-e446-44e2-aa61-9cab8f636af2}";
inline constexpr char kAsyncOperationCompletedHandlerGeneric[] =
    "{fcdcf02c-e5d8-4478-915a-4d90b74b83a5}";
inline constexpr char kTetheringResultSignature[] =
    "rc(Windows.Networking.NetworkOperators.NetworkOperatorTetheringOperationResult;"
    "{ebd203a1-01ba-476d-b4b3-bf3d12c8f80c})";

// IAsyncOperation<NetworkOperatorTetheringOperationResult>
inline constexpr InterfaceId kAsyncOperationOfTetheringResult = {
    0x601b30ed, 0x9b7f, 0x54b6, {0xb6, 0x1b, 0x24, 0xa0, 0x9b, 0xc5, 0x63, 0x04}};
// AsyncOperationCompletedHandler<NetworkOperatorTetheringOperationResult>
inline constexpr InterfaceId kCompletedHandlerOfTetheringResult = {
    0xa936b927, 0x7537, 0x59c6, {0x89, 0xde, 0x33, 0xf3, 0x6a, 0x97, 0x25, 0xab}};

}  // namespace vanterel::winrt
