#include "hotspot/driver_report.h"

#include <vector>

#include "hotspot/message_text.h"

namespace vanterel {
namespace {

// netsh may pad with ideographic spaces as well.
std::u16string trimmedLine(const std::u16string& text) { return trimmed(text, u" \t\r\n\u3000"); }

std::vector<std::u16string> linesOf(const std::u16string& text) {
  std::vector<std::u16string> lines;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    const auto end = text.find(u'\n', begin);
    lines.push_back(text.substr(begin, end == std::u16string::npos ? end : end - begin));
    if (end == std::u16string::npos) break;
    begin = end + 1;
  }
  return lines;
}

bool isYes(const std::u16string& value) { return value == u"是" || value == u"Yes"; }
bool isNo(const std::u16string& value) { return value == u"否" || value == u"No"; }

}  // namespace

HostedNetworkSupport readShowDrivers(const std::u16string& output) {
  bool sawNo = false;
  for (const std::u16string& line : linesOf(output)) {
    const std::u16string whole = trimmedLine(line);
    if (whole == u"系统上没有无线接口。" ||
        whole == u"There is no wireless interface on the system.") {
      return HostedNetworkSupport::NoWirelessInterface;
    }
    // Chinese netsh may write a full-width colon.
    const auto colon = line.find_first_of(u":：");
    if (colon == std::u16string::npos) continue;
    const std::u16string label = trimmedLine(line.substr(0, colon));
    if (label != u"支持的承载网络" && label != u"Hosted network supported") continue;
    const std::u16string value = trimmedLine(line.substr(colon + 1));
    // One capable adapter is enough to host.
    if (isYes(value)) return HostedNetworkSupport::Supported;
    if (isNo(value)) sawNo = true;
  }
  return sawNo ? HostedNetworkSupport::Unsupported : HostedNetworkSupport::Unknown;
}

}  // namespace vanterel
