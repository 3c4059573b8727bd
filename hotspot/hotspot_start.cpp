#include "hotspot/hotspot_start.h"

#include "hotspot/command_lines.h"
#include "hotspot/connection_sharing.h"
#include "hotspot/mobile_hotspot.h"
#include "hotspot/netsh_steps.h"
#include "hotspot/network_name.h"
#include "hotspot/sharing_notice.h"
#include "hotspot/window_state.h"

namespace vanterel {
namespace {

// The hosted network's four steps; where the adapter cannot host, the
// Mobile hotspot instead.
HotspotStart turnOn(MainWindow& form, System& system, const std::u16string& networkName,
                    const std::u16string& networkKey) {
  switch (runSteps(form, system, startSteps(networkName, networkKey))) {
    case StepsEnd::Succeeded:
      return HotspotStart::HostedNetwork;
    case StepsEnd::MobileHotspotInstead:
      return startMobileHotspotInstead(form, system, networkName, networkKey)
                 ? HotspotStart::MobileHotspot
                 : HotspotStart::NotStarted;
    case StepsEnd::Failed:
      break;
  }
  return HotspotStart::NotStarted;
}

}  // namespace

HotspotStart startHotspot(MainWindow& form, System& system, const std::u16string& networkName,
                          const std::u16string& networkKey) {
  const std::u16string refusal = refusalOf(networkName, networkKey);
  if (!refusal.empty()) {
    form.msgBox(refusal, kOkOnly, u"错误");
    return HotspotStart::NotStarted;
  }
  if (!nameMayGoOn(form, system, networkName)) return HotspotStart::NotStarted;
  const HotspotStart started = turnOn(form, system, networkName, networkKey);
  if (started == HotspotStart::NotStarted) return started;
  // The Mobile hotspot shares the connection by itself.
  const std::u16string notice = started == HotspotStart::HostedNetwork
                                    ? sharingNotice(shareInternetWithHostedNetwork(system))
                                    : u"";
  form.msgBox(u"无线局域网开启成功 ssid= " + networkName + u"  密码=" + networkKey, kOkOnly,
              u"成功");
  switchToRunning(form);
  if (!notice.empty()) form.msgBox(notice, kOkOnly, u"提示");
  return started;
}

}  // namespace vanterel
