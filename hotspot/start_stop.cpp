#include "hotspot/start_stop.h"

#include <cstddef>
#include <string>

#include "hotspot/hotspot_start.h"
#include "hotspot/hotspot_stop.h"
#include "hotspot/status_line.h"
#include "hotspot/window_state.h"

namespace vanterel {
namespace {

constexpr std::size_t kMinimumKeyLength = 16;

}  // namespace

void Command1_Click(MainWindow& form, System& system, HotspotSession& session) {
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
    if (stopHotspot(form, system, session.way)) session.way = HotspotStart::NotStarted;
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
    session.way = startHotspot(form, system, networkName, networkKey);
    session.devices = 0;
  }

  // Whatever the status line said before, it follows the press.
  if (session.way == HotspotStart::NotStarted) {
    showIdle(form);
  } else {
    showRunning(form, session.way, session.devices);
  }
}

}  // namespace vanterel
