#include "hotspot/command_lines.h"

#include "hotspot/command_line_encoding.h"
#include "hotspot/message_text.h"

namespace vanterel {
namespace {

std::u16string refusalOfField(const std::u16string& field, const std::u16string& value) {
  const auto bad = firstUnencodableCharacter(value);
  if (!bad) return u"";
  // Control characters are invisible, so the message gives the code.
  return field + u"中不能含有控制字符 U+" + hexadecimal(*bad, 4) + u"，请删除后重试。";
}

}  // namespace

Step stopStep() {
  return {u"关闭承载网络", u"cmd /c netsh wlan stop hostednetwork",
          WindowStyle::MinimizedWithFocus};
}

std::vector<Step> startSteps(const std::u16string& networkName, const std::u16string& networkKey) {
  // The key is made persistent in its own command: keyUsage belongs to
  // `set hostednetwork`, keyType does not.
  return {
      {u"允许承载网络", u"cmd /c netsh wlan set hostednetwork mode=allow", WindowStyle::Hidden},
      {u"设置无线名称",
       u"cmd /c netsh wlan set hostednetwork ssid=" + encodeForCmdArgument(networkName),
       WindowStyle::Hidden},
      {u"设置无线密码",
       u"cmd /c netsh wlan set hostednetwork key=" + encodeForCmdArgument(networkKey) +
           u" keyUsage=persistent",
       WindowStyle::Hidden},
      {u"启动承载网络", u"cmd /c netsh wlan start hostednetwork", WindowStyle::Hidden, true},
  };
}

Step restartStep() {
  return {u"重新启动承载网络", u"cmd /c netsh wlan start hostednetwork", WindowStyle::Hidden};
}

Step showDriversStep() {
  return {u"查看无线网卡驱动", u"cmd /c netsh wlan show drivers", WindowStyle::Hidden};
}

std::u16string refusalOf(const std::u16string& networkName, const std::u16string& networkKey) {
  std::u16string refusal = refusalOfField(u"无线名称", networkName);
  if (refusal.empty()) refusal = refusalOfField(u"无线密码", networkKey);
  return refusal;
}

}  // namespace vanterel
