#include "hotspot/hotspot_stop.h"

#include <string>

#include "hotspot/command_lines.h"
#include "hotspot/connection_sharing.h"
#include "hotspot/mobile_hotspot.h"
#include "hotspot/netsh_steps.h"
#include "hotspot/sharing_notice.h"
#include "hotspot/window_state.h"

namespace vanterel {
namespace {

// Leaves the computer as it was: no sharing with an adapter that goes, and
// the user's own pair shared again; `notice` says when that pair could not
// be given back. A network found stopped already needs no netsh.
bool stopHostedNetwork(MainWindow& form, System& system, std::u16string& notice) {
  const auto status = system.hostedNetworkStatus();
  const bool stoppedAlready = status && status->state != HostedNetworkStatus::State::Active;
  notice = restoreNotice(stopSharingHostedNetwork(system));
  return stoppedAlready || runSteps(form, system, {stopStep()}) == StepsEnd::Succeeded;
}

}  // namespace

bool stopHotspot(MainWindow& form, System& system, HotspotStart way) {
  std::u16string notice;
  const bool stopped = way == HotspotStart::MobileHotspot ? stopMobileHotspot(form, system, notice)
                                                          : stopHostedNetwork(form, system, notice);
  if (!stopped) return false;
  form.msgBox(u"wifi已关闭", kOkOnly, u"成功");
  switchToIdle(form);
  if (!notice.empty()) form.msgBox(notice, kOkOnly, u"提示");
  return true;
}

}  // namespace vanterel
