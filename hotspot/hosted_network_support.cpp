#include "hotspot/hosted_network_support.h"

namespace vanterel {

HostedNetworkSupport supportOf(const HostedNetworkStatus& status) {
  if (status.adapters == 0) return HostedNetworkSupport::NoWirelessInterface;
  if (!status.allowed) return HostedNetworkSupport::NotAllowed;
  if (!status.radioOn) return HostedNetworkSupport::RadioOff;
  if (status.state == HostedNetworkStatus::State::Unavailable) {
    return HostedNetworkSupport::Unsupported;
  }
  return HostedNetworkSupport::Supported;
}

std::u16string adviceFor(HostedNetworkSupport support) {
  switch (support) {
    case HostedNetworkSupport::NoWirelessInterface:
      return u"这台电脑没有可用的无线网卡，或者无线网卡已被禁用。请启用无线网卡后再试。";
    case HostedNetworkSupport::NotAllowed:
      return u"这台电脑不允许使用承载网络（可能是系统策略禁止了它）。请让管理员允许后再试。";
    case HostedNetworkSupport::Unsupported:
      return u"这块无线网卡的驱动不支持承载网络，无法用这种方式开启热点。";
    case HostedNetworkSupport::RadioOff:
    case HostedNetworkSupport::Supported:
      return u"无线网卡支持承载网络，但现在无法启动。请确认无线已打开（飞行模式已关闭）后再试。";
    case HostedNetworkSupport::Unknown:
      break;
  }
  return u"";
}

}  // namespace vanterel
