#include "hotspot/mobile_hotspot.h"

#include "hotspot/message_text.h"

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

std::u16string stepName(TetheringStep step) {
  switch (step) {
    case TetheringStep::Configure:
      return u"设置移动热点";
    case TetheringStep::Start:
      return u"开启移动热点";
    case TetheringStep::Stop:
      return u"关闭移动热点";
  }
  return u"";
}

std::u16string meaningOf(TetheringStatus status) {
  switch (status) {
    case TetheringStatus::Success:
      return u"";
    case TetheringStatus::Unknown:
      return u"系统没有说明原因。请稍后再试。";
    case TetheringStatus::MobileBroadbandDeviceOff:
      return u"移动宽带设备已关闭。请打开移动宽带后再试。";
    case TetheringStatus::WiFiDeviceOff:
      return u"无线已关闭。请打开无线后再试。";
    case TetheringStatus::EntitlementCheckTimeout:
      return u"无法联系移动运营商确认能否共享网络。请稍后再试。";
    case TetheringStatus::EntitlementCheckFailure:
      return u"移动运营商不允许这个账户共享网络。";
    case TetheringStatus::OperationInProgress:
      return u"系统正在切换移动热点，请稍后再试。";
    case TetheringStatus::BluetoothDeviceOff:
      return u"蓝牙已关闭。请打开蓝牙后再试。";
    case TetheringStatus::NetworkLimitedConnectivity:
      return u"要共享的网络连接受限。请确认这台电脑能够上网后再试。";
  }
  return u"系统返回了未知的状态 " + decimal(static_cast<int>(status)) + u"。";
}

bool succeeded(const TetheringRun& run, MainWindow& form) {
  if (run.outcome == TetheringRun::Outcome::Succeeded) return true;
  form.msgBox(describeTetheringFailure(run), kOkOnly, u"错误");
  return false;
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

std::u16string describeTetheringFailure(const TetheringRun& run) {
  std::u16string message = u"“" + stepName(run.step) + u"”失败：";
  switch (run.outcome) {
    case TetheringRun::Outcome::Succeeded:
      return u"";
    case TetheringRun::Outcome::NoConnection:
      message +=
          u"移动热点需要共享一个已连接的网络，这台电脑现在没有连接到网络。请先连接网络后再试。";
      break;
    case TetheringRun::Outcome::Refused:
      message += meaningOf(run.status);
      break;
    case TetheringRun::Outcome::CallFailed:
      message += u"系统返回错误代码 0x" + hexadecimal(run.error, 8) + u"。";
      break;
    case TetheringRun::Outcome::TimedOut:
      message += u"系统在 30 秒内没有完成，已放弃。请稍后再试。";
      break;
  }
  if (!run.additionalMessage.empty()) message += u"\r\n\r\n" + run.additionalMessage;
  return message;
}

bool startMobileHotspotInstead(MainWindow& form, System& system, const std::u16string& ssid,
                               const std::u16string& passphrase) {
  const std::u16string refusal = mobileHotspotRefusal(ssid, passphrase);
  if (!refusal.empty()) {
    form.msgBox(refusal, kOkOnly, u"错误");
    return false;
  }
  return succeeded(system.startMobileHotspot(ssid, passphrase), form);
}

bool stopMobileHotspot(MainWindow& form, System& system) {
  return succeeded(system.stopMobileHotspot(), form);
}

}  // namespace vanterel
