#include "hotspot/sharing_notice.h"

#include <cstdint>
#include <string>

#include "hotspot/message_text.h"

namespace vanterel {
namespace {

const char16_t* nameOf(SharingStep step) {
  switch (step) {
    case SharingStep::FindHostedAdapter:
      return u"查找承载网络的网卡";
    case SharingStep::FindInternetConnection:
      return u"查找连接互联网的网卡";
    case SharingStep::OpenSharingManager:
      return u"打开网络共享管理器";
    case SharingStep::ListConnections:
      return u"列出网络连接";
    case SharingStep::ReadConnection:
      return u"读取网络连接的属性";
    case SharingStep::ReadSharing:
      return u"读取网络连接的共享设置";
    case SharingStep::DisableSharing:
      return u"关闭原有的网络共享";
    case SharingStep::SharePublic:
      return u"共享连接互联网的网络连接";
    case SharingStep::SharePrivate:
      return u"让承载网络使用共享的连接";
    case SharingStep::RestorePublic:
      return u"重新共享原来共享的网络连接";
    case SharingStep::RestorePrivate:
      return u"让原来的网络连接重新使用共享";
  }
  return u"共享网络连接";
}

std::u16string reasonFor(const SharingOutcome& outcome) {
  switch (outcome.kind) {
    case SharingOutcome::Kind::Shared:
      return u"";
    case SharingOutcome::Kind::NoInternet:
      return u"这台电脑现在没有连接到互联网。";
    case SharingOutcome::Kind::HostedNotListed:
      return u"网络共享管理器的网络连接中没有承载网络的网卡。";
    case SharingOutcome::Kind::InternetNotListed:
      return u"网络共享管理器的网络连接中没有这台电脑连接互联网所用的连接。";
    case SharingOutcome::Kind::TimedOut:
      return u"共享网络连接在 " + decimal(kSharingTimeout.count()) + u" 秒内没有完成。";
    case SharingOutcome::Kind::Failed:
      break;
  }
  std::u16string reason = std::u16string(nameOf(outcome.step)) + u"失败：";
  const std::u16string text = trimmed(outcome.systemText);
  if (!text.empty()) reason += text;
  return reason + u"（错误代码 " + u"0x" + hexadecimal(outcome.code, 8) + u"）";
}

}  // namespace

std::u16string sharingNotice(const SharingOutcome& outcome) {
  if (outcome.kind == SharingOutcome::Kind::Shared) return u"";
  return u"热点已开启，但没能共享网络连接，连上热点的设备暂时不能上网。\r\n\r\n原因：" +
         reasonFor(outcome);
}

std::u16string restoreNotice(const SharingOutcome& outcome) {
  if (outcome.kind == SharingOutcome::Kind::Shared) return u"";
  return u"热点已关闭，但没能恢复原来的网络连接共享。\r\n\r\n原因：" + reasonFor(outcome);
}

}  // namespace vanterel
