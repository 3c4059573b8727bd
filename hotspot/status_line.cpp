#include "hotspot/status_line.h"

#include "hotspot/message_text.h"

namespace vanterel {

void showIdle(MainWindow& form) { form.setCaption(Control::Label7, u"热点未开启"); }

void showRunning(MainWindow& form, HotspotStart way, std::size_t devices) {
  const std::u16string what =
      way == HotspotStart::MobileHotspot ? u"移动热点已开启，已连接 " : u"热点已开启，已连接 ";
  form.setCaption(Control::Label7, what + decimal(static_cast<long long>(devices)) + u" 台设备");
}

void showStopped(MainWindow& form, StopCause cause, const std::u16string& reason) {
  std::u16string why;
  switch (cause) {
    case StopCause::AdapterGone:
      why = u"无线网卡已关闭或已被移除";
      break;
    case StopCause::NotRestartedAfterSleep:
      why = u"睡眠后没能重新开启";
      if (!reason.empty()) why += u"（" + reason + u"）";
      break;
    case StopCause::Elsewhere:
      why = u"已在别处被关闭";
      break;
  }
  form.setCaption(Control::Label7, u"热点已停止：" + why);
}

}  // namespace vanterel
