#include "hotspot/connected_devices.h"

#include "hotspot/message_text.h"
#include "hotspot/mobile_hotspot.h"
#include "hotspot/status_line.h"

namespace vanterel {
namespace {

char16_t upper(char16_t c) { return c >= u'a' && c <= u'f' ? static_cast<char16_t>(c - 32) : c; }

}  // namespace

std::u16string macText(const std::u16string& address) {
  std::u16string digits;
  for (char16_t c : address) {
    if (isHexDigit(c)) {
      digits += upper(c);
    } else if (c != u'-' && c != u':' && c != u'.' && c != u' ') {
      return address;
    }
  }
  if (digits.size() != 12) return address;
  std::u16string text;
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    if (i > 0) text += u'-';
    text += digits.substr(i, 2);
  }
  return text;
}

std::u16string devicesText(const std::vector<ConnectedDevice>& devices) {
  if (devices.empty()) return u"还没有设备连接。";
  std::u16string text;
  for (const ConnectedDevice& device : devices) {
    if (!text.empty()) text += u"\r\n";
    text += macText(device.mac);
    if (!device.ipv4.empty()) text += u"  " + device.ipv4;
    if (!device.name.empty()) text += u"  " + device.name;
  }
  return text;
}

void Label7_Click(MainWindow& form, System& system, HotspotSession& session) {
  if (session.way == HotspotStart::NotStarted) return;
  const auto devices = session.way == HotspotStart::HostedNetwork ? system.hostedNetworkDevices()
                                                                  : mobileHotspotDevices(system);
  if (!devices) {
    form.msgBox(u"没能向系统问到连接着的设备，请稍后再试。", kOkOnly, u"已连接的设备");
    return;
  }
  session.devices = devices->size();
  showRunning(form, session.way, session.devices);
  form.msgBox(devicesText(*devices), kOkOnly, u"已连接的设备");
}

}  // namespace vanterel
