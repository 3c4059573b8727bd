// IP Helper needs Winsock's definitions, which must come before windows.h.
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>

#include "windows/win32_hosted_network_devices.h"

#include <cstring>
#include <string>

#include "windows/win32_library.h"
#include "windows/win32_wlanapi.h"

namespace vanterel {
namespace {

using GetIpNetTable2Function = DWORD(WINAPI*)(ADDRESS_FAMILY, MIB_IPNET_TABLE2**);
using FreeMibTableFunction = void(WINAPI*)(void*);
using ConvertInterfaceGuidToLuidFunction = DWORD(WINAPI*)(const GUID*, NET_LUID*);

std::u16string hexDigits(const std::uint8_t* bytes, std::size_t count) {
  const char16_t digits[] = u"0123456789ABCDEF";
  std::u16string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 0xF];
  }
  return text;
}

std::u16string dotted(const IN_ADDR& address) {
  const std::string text = std::to_string(address.S_un.S_un_b.s_b1) + "." +
                           std::to_string(address.S_un.S_un_b.s_b2) + "." +
                           std::to_string(address.S_un.S_un_b.s_b3) + "." +
                           std::to_string(address.S_un.S_un_b.s_b4);
  return std::u16string(text.begin(), text.end());
}

// The neighbour table's IPv4 address of each device on the adapter; the
// devices stay without one where IP Helper cannot tell.
void addAddresses(const GUID& adapter, std::vector<ConnectedDevice>& devices,
                  const std::vector<std::u16string>& macs) {
  // Looked up: IP Helper is no KnownDLL, and is not imported.
  const HMODULE iphlpapi = loadSystemLibrary(L"iphlpapi.dll");
  if (iphlpapi == nullptr) return;
  const auto toLuid =
      lookUp<ConvertInterfaceGuidToLuidFunction>(iphlpapi, "ConvertInterfaceGuidToLuid");
  const auto netTable = lookUp<GetIpNetTable2Function>(iphlpapi, "GetIpNetTable2");
  const auto freeTable = lookUp<FreeMibTableFunction>(iphlpapi, "FreeMibTable");
  NET_LUID luid{};
  MIB_IPNET_TABLE2* table = nullptr;
  if (toLuid && netTable && freeTable && toLuid(&adapter, &luid) == NO_ERROR &&
      netTable(AF_INET, &table) == NO_ERROR) {
    for (ULONG i = 0; i < table->NumEntries; ++i) {
      const MIB_IPNET_ROW2& row = table->Table[i];
      if (row.InterfaceLuid.Value != luid.Value || row.PhysicalAddressLength != 6) continue;
      const std::u16string mac = hexDigits(row.PhysicalAddress, 6);
      for (std::size_t d = 0; d < devices.size(); ++d) {
        if (macs[d] == mac) devices[d].ipv4 = dotted(row.Address.Ipv4.sin_addr);
      }
    }
    freeTable(table);
  }
  FreeLibrary(iphlpapi);
}

}  // namespace

std::optional<std::vector<ConnectedDevice>> queryHostedNetworkDevices() {
  const WlanClient client(wlanapi());
  HostedNetworkReading hosted;
  if (readHostedNetwork(client, hosted) != ERROR_SUCCESS) return std::nullopt;
  std::vector<ConnectedDevice> devices;
  std::vector<std::u16string> macs;
  for (const auto& peer : hosted.peers) {
    macs.push_back(hexDigits(peer.data(), peer.size()));
    devices.push_back({macs.back(), u"", u""});
  }
  if (!devices.empty()) addAddresses(hosted.adapter, devices, macs);
  return devices;
}

}  // namespace vanterel
