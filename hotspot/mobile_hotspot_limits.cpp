#include "hotspot/mobile_hotspot_limits.h"

#include <cstddef>

#include "hotspot/network_name.h"

namespace vanterel {
namespace {

// The Mobile hotspot's own limits for the passphrase, as Windows' settings
// page enforces them; the name's length is checked before either way.
constexpr std::size_t kMinPassphrase = 8;
constexpr std::size_t kMaxPassphrase = 63;

}  // namespace

std::u16string mobileHotspotRefusal(const std::u16string& ssid, const std::u16string& passphrase) {
  const std::u16string instead = u"这块无线网卡的驱动不支持承载网络，要改用系统的移动热点，";
  // As its documentation says of the name.
  if (!ssid.empty() && (ssid.front() == u' ' || ssid.back() == u' ')) {
    return instead + u"但移动热点的无线名称不能以空格开头或结尾。请修改后再试。";
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
