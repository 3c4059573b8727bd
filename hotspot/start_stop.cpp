#include "hotspot/start_stop.h"

#include <functional>
#include <string>
#include <vector>

#include "hotspot/command_lines.h"
#include "hotspot/connection_sharing.h"
#include "hotspot/driver_report.h"
#include "hotspot/mobile_hotspot.h"
#include "hotspot/sharing_notice.h"
#include "hotspot/step_failure.h"

namespace vanterel {
namespace {

constexpr std::size_t kMinimumKeyLength = 16;

bool bothEnabledAre(const MainWindow& form, int value) {
  return form.enabled(Control::Text1) == value && form.enabled(Control::Text2) == value;
}

CommandRun run(System& system, const Step& step) {
  return system.runCommand(step.commandLine, step.style, kStepTimeout);
}

// Asks the drivers whether the adapter can host, to explain a failed start.
// Read whatever the exit code: the texts looked for are unmistakable, and
// netsh may well report an absent adapter as a failure.
HostedNetworkSupport hostedNetworkSupport(System& system) {
  const CommandRun drivers = run(system, showDriversStep());
  return drivers.outcome == CommandRun::Outcome::Exited ? readShowDrivers(drivers.output)
                                                        : HostedNetworkSupport::Unknown;
}

// Runs the steps in order, each to its end; stops at the first failure and
// tells the user about it, with what to do when the drivers tell why the
// network could not start. When they say the adapter cannot host and
// Windows has the Mobile hotspot, `insteadOfHosting` decides instead. True
// when every step succeeded.
bool runAll(MainWindow& form, System& system, const std::vector<Step>& steps,
            const std::function<bool()>& insteadOfHosting = nullptr) {
  for (const Step& step : steps) {
    const CommandRun outcome = run(system, step);
    if (succeeded(outcome)) continue;
    std::u16string message = describeFailure(step, outcome);
    if (step.name == kStartHostedNetwork) {
      const HostedNetworkSupport support = hostedNetworkSupport(system);
      if (support == HostedNetworkSupport::Unsupported && insteadOfHosting &&
          system.hasMobileHotspot()) {
        return insteadOfHosting();
      }
      const std::u16string advice = adviceFor(support);
      if (!advice.empty()) message += u"\r\n\r\n" + advice;
    }
    form.msgBox(message, kOkOnly, u"错误");
    return false;
  }
  return true;
}

}  // namespace

void Command1_Click(MainWindow& form, System& system) {
  bool lengthOk = true;
  bool startAllowed = true;
  std::u16string networkName;
  std::u16string networkKey;

  {
    const std::u16string name = form.text(Control::Text1);
    const std::u16string key = form.text(Control::Text2);
    if (!name.empty() && !key.empty() && key.size() < kMinimumKeyLength) {
      form.msgBox(u"密码长度不符，至少16个字符", kOkOnly, u"错误");
      lengthOk = false;
    }
  }

  if (lengthOk && bothEnabledAre(form, kFalse)) {
    // A failed stop leaves the window running: the network may still be up.
    bool stopped = false;
    std::u16string notice;
    if (mobileHotspotIsOn(system)) {
      stopped = stopMobileHotspot(form, system);
    } else {
      // Leave the computer as it was: no sharing with an adapter that goes,
      // and the user's own pair shared again.
      notice = restoreNotice(stopSharingHostedNetwork(system));
      stopped = runAll(form, system, {stopStep()});
    }
    if (stopped) {
      form.msgBox(u"wifi已关闭", kOkOnly, u"成功");
      form.setCaption(Control::Command1, u"一键开启");
      form.setEnabled(Control::Text1, kTrue);
      form.setEnabled(Control::Text2, kTrue);
      if (!notice.empty()) form.msgBox(notice, kOkOnly, u"提示");
    }
    startAllowed = false;
  }

  {
    const std::u16string name = form.text(Control::Text1);
    const std::u16string key = form.text(Control::Text2);
    if (name.empty() || key.empty()) {
      form.msgBox(u"密码或名称不能为空", kOkOnly, u"错误");
      startAllowed = false;
    } else {
      networkName = name;
      networkKey = key;
    }
  }

  if (lengthOk && bothEnabledAre(form, kTrue) && startAllowed) {
    const std::u16string refusal = refusalOf(networkName, networkKey);
    if (!refusal.empty()) {
      form.msgBox(refusal, kOkOnly, u"错误");
      return;
    }
    bool mobileHotspotStarted = false;
    const auto mobileHotspot = [&] {
      mobileHotspotStarted = startMobileHotspotInstead(form, system, networkName, networkKey);
      return mobileHotspotStarted;
    };
    if (!runAll(form, system, startSteps(networkName, networkKey), mobileHotspot)) return;
    // The Mobile hotspot shares the connection by itself.
    const std::u16string notice =
        mobileHotspotStarted ? u"" : sharingNotice(shareInternetWithHostedNetwork(system));
    form.msgBox(u"无线局域网开启成功 ssid= " + networkName + u"  密码=" + networkKey, kOkOnly,
                u"成功");
    form.setCaption(Control::Command1, u"关闭无线");
    form.setEnabled(Control::Text1, kFalse);
    form.setEnabled(Control::Text2, kFalse);
    if (!notice.empty()) form.msgBox(notice, kOkOnly, u"提示");
  }
}

}  // namespace vanterel
