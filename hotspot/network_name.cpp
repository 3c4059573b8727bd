#include "hotspot/network_name.h"

#include <algorithm>

#include "hotspot/message_text.h"

namespace vanterel {
namespace {

std::u16string tooLong(std::size_t bytes, std::size_t bytesPerHanzi) {
  return u"无线名称太长：Windows 会按本机的编码发送名称，最多 " + decimal(kMaxSsidBytes) +
         u" 个字节（大约 " + decimal(kMaxSsidBytes / bytesPerHanzi) + u" 个汉字），这个名称有 " +
         decimal(bytes) + u" 个字节。请缩短后再试。";
}

}  // namespace

bool isPrintableAscii(const std::u16string& text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x20 && c <= 0x7E; });
}

bool nameMayGoOn(MainWindow& form, System& system, const std::u16string& networkName) {
  const std::size_t bytes = system.ansiLength(networkName);
  if (bytes > kMaxSsidBytes) {
    // A code page without Chinese characters sends each as one byte, "?".
    const std::size_t bytesPerHanzi = std::max<std::size_t>(2, system.ansiLength(u"汉"));
    form.msgBox(tooLong(bytes, bytesPerHanzi), kOkOnly, u"错误");
    return false;
  }
  if (isPrintableAscii(networkName)) return true;
  const int answer = form.msgBox(
      u"无线名称里有中文或其他非英文字符。Windows "
      u"会按本机的编码发送名称，很多手机会把它显示成乱码。仍然使用这个名称吗？",
      kYesNo, u"提示");
  if (answer == kYes) return true;
  form.setFocus(Control::Text1);
  return false;
}

}  // namespace vanterel
