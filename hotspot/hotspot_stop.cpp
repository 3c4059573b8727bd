#include "hotspot/hotspot_stop.h"

#include <string>

#include "hotspot/command_lines.h"
#include "hotspot/connection_sharing.h"
#include "hotspot/mobile_hotspot.h"
#include "hotspot/netsh_steps.h"
#include "hotspot/sharing_notice.h"

namespace vanterel {
namespace {

// Leaves the computer as it was: no sharing with an adapter that goes, and
// the user's own pair shared again; `notice` says when that pair could not
// be given back.
bool stopHostedNetwork(MainWindow& form, System& system, std::u16string& notice) {
  notice = restoreNotice(stopSharingHostedNetwork(system));
  return runSteps(form, system, {stopStep()}) == StepsEnd::Succeeded;
}

}  // namespace

void stopHotspot(MainWindow& form, System& system) {
  std::u16string notice;
  const bool stopped = mobileHotspotIsOn(system) ? stopMobileHotspot(form, system, notice)
                                                 : stopHostedNetwork(form, system, notice);
  if (!stopped) return;
  form.msgBox(u"wifi已关闭", kOkOnly, u"成功");
  form.setCaption(Control::Command1, u"一键开启");
  form.setEnabled(Control::Text1, kTrue);
  form.setEnabled(Control::Text2, kTrue);
  if (!notice.empty()) form.msgBox(notice, kOkOnly, u"提示");
}

}  // namespace vanterel
