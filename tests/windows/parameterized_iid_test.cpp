#include "windows/winrt_parameterized_iids.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdint>
#include <string>

namespace vanterel::winrt {
namespace {

using Digest = std::array<std::uint8_t, 20>;

std::uint32_t rotate(std::uint32_t value, int bits) {
  return (value << bits) | (value >> (32 - bits));
}

// SHA-1 as FIPS 180-4 gives it.
Digest sha1(std::string message) {
  const std::uint64_t bitLength = message.size() * 8;
  message += '\x80';
  while (message.size() % 64 != 56) message += '\0';
  for (int shift = 56; shift >= 0; shift -= 8) message += static_cast<char>(bitLength >> shift);
  std::uint32_t h[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  for (std::size_t block = 0; block < message.size(); block += 64) {
    std::uint32_t w[80];
    for (int i = 0; i < 16; ++i) {
      w[i] = 0;
      for (int b = 0; b < 4; ++b)
        w[i] = (w[i] << 8) | static_cast<std::uint8_t>(message[block + 4 * i + b]);
    }
    for (int i = 16; i < 80; ++i) w[i] = rotate(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
    for (int i = 0; i < 80; ++i) {
      const std::uint32_t f = i < 20   ? (b & c) | (~b & d)
                              : i < 40 ? b ^ c ^ d
                              : i < 60 ? (b & c) | (b & d) | (c & d)
                                       : b ^ c ^ d;
      const std::uint32_t k = i < 20   ? 0x5A827999
                              : i < 40 ? 0x6ED9EBA1
                              : i < 60 ? 0x8F1BBCDC
                                       : 0xCA62C1D6;
      const std::uint32_t next = rotate(a, 5) + f + e + k + w[i];
      e = d;
      d = c;
      c = rotate(b, 30);
      b = a;
      a = next;
    }
    h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e;
  }
  Digest digest;
  for (int i = 0; i < 20; ++i)
    digest[i] = static_cast<std::uint8_t>(h[i / 4] >> (24 - 8 * (i % 4)));
  return digest;
}

// The IID Windows gives a parameterized interface instance: a UUID of
// version 5 over its signature, in the Windows Runtime's namespace.
InterfaceId pinterfaceId(const std::string& generic, const std::string& argument) {
  const std::string kNamespace = "\x11\xf4\x7a\xd5\x7b\x73\x42\xc0\xab\xae\x87\x8b\x1e\x16\xad\xee";
  Digest d = sha1(kNamespace + "pinterface(" + generic + ";" + argument + ")");
  d[6] = static_cast<std::uint8_t>((d[6] & 0x0F) | 0x50);
  d[8] = static_cast<std::uint8_t>((d[8] & 0x3F) | 0x80);
  return {static_cast<std::uint32_t>(d[0] << 24 | d[1] << 16 | d[2] << 8 | d[3]),
          static_cast<std::uint16_t>(d[4] << 8 | d[5]),
          static_cast<std::uint16_t>(d[6] << 8 | d[7]),
          {d[8], d[9], d[10], d[11], d[12], d[13], d[14], d[15]}};
}

std::string text(const InterfaceId& id) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x",
                static_cast<unsigned>(id.data1), id.data2, id.data3, id.data4[0], id.data4[1],
                id.data4[2], id.data4[3], id.data4[4], id.data4[5], id.data4[6], id.data4[7]);
  return buffer;
}

TEST(ParameterizedIid, TheSignaturesGiveTheIidsTheProgramUses) {
  const Digest fipsExample = {0xa9, 0x99, 0x3e, 0x36, 0x47, 0x06, 0x81, 0x6a, 0xba, 0x3e,
                              0x25, 0x71, 0x78, 0x50, 0xc2, 0x6c, 0x9c, 0xd0, 0xd8, 0x9d};
  EXPECT_EQ(sha1("abc"), fipsExample);
  // IAsyncOperation<Boolean>, as the Windows SDK and MinGW's windows.foundation.h publish it.
  EXPECT_EQ(text(pinterfaceId(kAsyncOperationGeneric, "b1")),
            "cdb5efb3-5788-509d-9be1-71ccb8a3362a");

  EXPECT_EQ(text(pinterfaceId(kAsyncOperationGeneric, kTetheringResultSignature)),
            text(kAsyncOperationOfTetheringResult));
  EXPECT_EQ(text(pinterfaceId(kAsyncOperationCompletedHandlerGeneric, kTetheringResultSignature)),
            text(kCompletedHandlerOfTetheringResult));
}

}  // namespace
}  // namespace vanterel::winrt
