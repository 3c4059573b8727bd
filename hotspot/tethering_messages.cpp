#include "hotspot/tethering_messages.h"

#include "hotspot/message_text.h"
#include "hotspot/tethering_calls.h"

namespace vanterel {
namespace {

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

}  // namespace

std::u16string tetheringFailureReason(const TetheringRun& run) {
  switch (run.outcome) {
    case TetheringRun::Outcome::Succeeded:
      return u"";
    case TetheringRun::Outcome::NoConnection:
      return u"移动热点需要共享一个已连接的网络，这台电脑现在没有连接到网络。请先连接网络后再试。";
    case TetheringRun::Outcome::Refused:
      return meaningOf(run.status);
    case TetheringRun::Outcome::CallFailed:
      return u"系统返回错误代码 0x" + hexadecimal(run.error, 8) + u"。";
    case TetheringRun::Outcome::TimedOut:
      break;
  }
  return u"系统在 " + decimal(kTetheringStepTimeout.count()) +
         u" 秒内没有完成，已放弃。请稍后再试。";
}

std::u16string describeTetheringFailure(const TetheringRun& run) {
  if (run.outcome == TetheringRun::Outcome::Succeeded) return u"";
  std::u16string message = u"“" + stepName(run.step) + u"”失败：" + tetheringFailureReason(run);
  if (!run.additionalMessage.empty()) message += u"\r\n\r\n" + run.additionalMessage;
  return message;
}

std::u16string settingsBackNotice(const TetheringRun& run, const std::u16string& systemText) {
  std::u16string reason;
  switch (run.outcome) {
    case TetheringRun::Outcome::Succeeded:
      return u"";
    case TetheringRun::Outcome::NoConnection:
      reason = u"这台电脑现在没有连接到网络，无法设置移动热点。";
      break;
    case TetheringRun::Outcome::TimedOut:
      reason =
          stepName(run.step) + u"在 " + decimal(kTetheringStepTimeout.count()) + u" 秒内没有完成。";
      break;
    case TetheringRun::Outcome::Refused:
    case TetheringRun::Outcome::CallFailed:
      reason = stepName(run.step) + u"失败：" + trimmed(systemText) + u"（错误代码 0x" +
               hexadecimal(run.error, 8) + u"）";
      break;
  }
  return u"热点已关闭，但没能恢复移动热点原来的名称和密码。\r\n\r\n原因：" + reason;
}

}  // namespace vanterel
