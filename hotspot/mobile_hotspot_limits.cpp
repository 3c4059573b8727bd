#include "hotspot/mobile_hotspot_limits.h"

#include <cstddef>

namespace vanterel {
namespace {

// The Mobile hotspot's own limits, as Windows' settings page enforces them.
constexpr std::size_t kMaxSsidCharacters = 32;
constexpr std::size_t kMinPassphrase = 8;
constexpr std::size_t kMaxPassphrase = 63;

std::size_t characterCount(const std::u16string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pairStart = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                           text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pairStart) ++i;
    ++count;
  }
  return count;
}

bool isPrintableAscii(const std::u16string& text) {
  for (char16_t c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

}  // namespace

std::u16string mobileHotspotRefusal(const std::u16string& ssid, const std::u16string& passphrase) {
  const std::u16string instead = u"这块无线网卡的驱动不支持承载网络，要改用系统的移动热点，";
  const std::size_t ssidLength = characterCount(ssid);
  if (ssidLength < 1 || ssidLength > kMaxSsidCharacters) {
    return instead + u"但移动热点的无线名称须为 1 到 32 个字符。请修改后再试。";
  }
  if (passphrase.size() < kMinPassphrase || passphrase.size() > kMaxPassphrase ||
      !isPrintableAscii(passphrase)) {
    return instead +
           u"但移动热点的密码须为 8 到 63 个英文字母、数字、空格或英文标点。请修改后再试。";
  }
  if (passphrase.front() == u' ' || passphrase.back() == u' ') {
    return instead + u"但移动热点的密码不能以空格开头或结尾。请修改后再试。";
  }
  return u"";
}

}  // namespace vanterel
