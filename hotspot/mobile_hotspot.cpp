#include "hotspot/mobile_hotspot.h"

#include <functional>
#include <memory>

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

TetheringRun ran(TetheringStep step, TetheringRun::Outcome outcome, std::uint32_t error = 0) {
  TetheringRun run;
  run.step = step;
  run.outcome = outcome;
  run.error = error;
  return run;
}

bool done(const TetheringCallEnd& end) { return end.kind == TetheringCallEnd::Kind::Done; }

TetheringRun endedAt(TetheringStep step, const TetheringCallEnd& end) {
  const bool late = end.kind == TetheringCallEnd::Kind::TimedOut;
  return ran(step, late ? TetheringRun::Outcome::TimedOut : TetheringRun::Outcome::CallFailed,
             end.error);
}

TetheringRun answered(TetheringStep step, const TetheringAnswer& answer) {
  const bool success = answer.status == TetheringStatus::Success;
  TetheringRun run =
      ran(step, success ? TetheringRun::Outcome::Succeeded : TetheringRun::Outcome::Refused);
  run.status = answer.status;
  run.additionalMessage = answer.additionalMessage;
  return run;
}

using TetheringDecision = std::function<TetheringRun(TetheringCalls&, std::atomic<TetheringStep>&)>;

// Runs the decision on the system's Mobile hotspot calls; when it has not
// ended within the budget, it timed out at the step it was on.
TetheringRun throughSystem(System& system, int steps, const TetheringDecision& decision) {
  struct Progress {
    std::atomic<TetheringStep> step{TetheringStep::Start};
    TetheringRun run;
  };
  // Shared with the job, which may outlive the wait.
  const auto progress = std::make_shared<Progress>();
  const auto job = [progress, decision](TetheringCalls& calls) {
    progress->run = decision(calls, progress->step);
  };
  if (!system.runTetheringJob(job, steps * kTetheringStepTimeout)) {
    return ran(progress->step, TetheringRun::Outcome::TimedOut);
  }
  return progress->run;
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

TetheringRun startTethering(TetheringCalls& calls, const std::u16string& ssid,
                            const std::u16string& passphrase, std::atomic<TetheringStep>& step) {
  step = TetheringStep::Start;
  bool connected = false;
  TetheringCallEnd end = calls.openManager(connected);
  if (!done(end)) return endedAt(TetheringStep::Start, end);
  if (!connected) return ran(TetheringStep::Start, TetheringRun::Outcome::NoConnection);
  step = TetheringStep::Configure;
  if (!done(end = calls.configure(ssid, passphrase))) return endedAt(TetheringStep::Configure, end);
  step = TetheringStep::Start;
  TetheringAnswer answer;
  if (!done(end = calls.start(answer))) return endedAt(TetheringStep::Start, end);
  return answered(TetheringStep::Start, answer);
}

TetheringRun stopTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step) {
  step = TetheringStep::Stop;
  bool connected = false;
  TetheringCallEnd end = calls.openManager(connected);
  if (!done(end)) return endedAt(TetheringStep::Stop, end);
  if (!connected) return ran(TetheringStep::Stop, TetheringRun::Outcome::NoConnection);
  TetheringAnswer answer;
  if (!done(end = calls.stop(answer))) return endedAt(TetheringStep::Stop, end);
  return answered(TetheringStep::Stop, answer);
}

bool mobileHotspotIsOn(System& system) {
  const auto on = std::make_shared<std::atomic<bool>>(false);
  const bool ended = system.runTetheringJob(
      [on](TetheringCalls& calls) {
        bool connected = false;
        bool state = false;
        *on = done(calls.openManager(connected)) && connected && done(calls.isOn(state)) && state;
      },
      kTetheringStepTimeout);
  return ended && *on;
}

bool startMobileHotspotInstead(MainWindow& form, System& system, const std::u16string& ssid,
                               const std::u16string& passphrase) {
  const std::u16string refusal = mobileHotspotRefusal(ssid, passphrase);
  if (!refusal.empty()) {
    form.msgBox(refusal, kOkOnly, u"错误");
    return false;
  }
  // Two awaited steps and the calls around them.
  const TetheringRun run = throughSystem(
      system, 3, [ssid, passphrase](TetheringCalls& calls, std::atomic<TetheringStep>& step) {
        return startTethering(calls, ssid, passphrase, step);
      });
  return succeeded(run, form);
}

bool stopMobileHotspot(MainWindow& form, System& system) {
  return succeeded(throughSystem(system, 2, stopTethering), form);
}

}  // namespace vanterel
