#include "tests/e2e/netsh_model.h"

#include <algorithm>
#include <iterator>

#include "tests/e2e/field_escape.h"

namespace vanterel::e2e {
namespace {

constexpr std::uint32_t kFailed = 1;

// As the state file names them, in the order of WirelessAdapter.
const std::string kAdapterNames[] = {"can-host", "cannot-host", "none"};

std::u16string lowered(const std::u16string& text) {
  std::u16string result = text;
  for (char16_t& c : result) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return result;
}

bool isHexDigit(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A WPA2 passphrase: 8 to 63 printable ASCII characters, or 64 hex digits.
bool isValidKey(const std::u16string& key) {
  bool printable = true;
  bool hex = true;
  for (char16_t c : key) {
    printable = printable && c >= 0x20 && c <= 0x7E;
    hex = hex && isHexDigit(c);
  }
  return (printable && key.size() >= 8 && key.size() <= 63) || (hex && key.size() == 64);
}

NetshAnswer refused(const std::u16string& why) { return {kFailed, why + u"\r\n"}; }

const char16_t kBadParameter[] = u"参数错误。";

// `set hostednetwork [mode=]allow|disallow [ssid=]<ssid> [key=]<passphrase>
// [keyUsage=]persistent|temporary`: tags in any case, or values by place.
NetshAnswer setHostedNetwork(const std::vector<std::u16string>& parameters, NetshState& state,
                             CodePageLength ssidLength) {
  static const char16_t* const kTags[] = {u"mode", u"ssid", u"key", u"keyusage"};
  if (parameters.empty()) return refused(kBadParameter);
  NetshState changed = state;
  std::u16string said;
  for (std::size_t place = 0; place < parameters.size(); ++place) {
    const std::u16string& parameter = parameters[place];
    const auto equals = parameter.find(u'=');
    std::u16string tag;
    std::u16string value = parameter;
    if (equals != std::u16string::npos) {
      tag = lowered(parameter.substr(0, equals));
      value = parameter.substr(equals + 1);
    } else if (place < 4) {
      tag = kTags[place];
    }
    if (tag == u"mode") {
      const std::u16string mode = lowered(value);
      if (mode != u"allow" && mode != u"disallow") return refused(kBadParameter);
      changed.allowed = mode == u"allow";
      said +=
          changed.allowed ? u"承载网络模式已设置为允许。\r\n" : u"承载网络模式已设置为禁止。\r\n";
    } else if (tag == u"ssid") {
      const std::size_t bytes = ssidLength(value);
      if (bytes == 0 || bytes > 32) return refused(u"SSID 的长度必须在 1 到 32 个字节之间。");
      changed.ssid = value;
      said += u"已成功更改承载网络的 SSID。\r\n";
    } else if (tag == u"key") {
      if (!isValidKey(value)) {
        return refused(u"用户密钥必须是 8 到 63 个 ASCII 字符，或 64 个十六进制数字。");
      }
      changed.key = value;
      said += u"已成功更改托管网络的用户密钥密码。\r\n";
    } else if (tag == u"keyusage") {
      const std::u16string usage = lowered(value);
      if (usage != u"persistent" && usage != u"temporary") return refused(kBadParameter);
    } else {
      return refused(kBadParameter);
    }
  }
  state = changed;
  return {0, said};
}

NetshAnswer startHostedNetwork(NetshState& state) {
  if (hostedNetworkState(state) == HostedNetworkState::Unavailable || state.ssid.empty() ||
      state.key.empty()) {
    return refused(u"无法启动承载网络。\r\n组或资源的状态不是执行请求操作的正确状态。");
  }
  state.started = true;
  return {0, u"已启动承载网络。\r\n"};
}

NetshAnswer showDrivers(const NetshState& state) {
  if (state.adapter == WirelessAdapter::None) return {0, u"系统上没有无线接口。\r\n"};
  const std::u16string supported = state.adapter == WirelessAdapter::CanHost ? u"是" : u"否";
  return {0,
          u"\r\n接口名称: WLAN\r\n\r\n"
          u"    驱动程序                  : Vanterel Test Wireless Adapter\r\n"
          u"    供应商                    : Vanterel\r\n"
          u"    类型                      : 本机 WLAN 驱动程序\r\n"
          u"    支持的无线电类型          : 802.11b 802.11g 802.11n\r\n"
          u"    支持的承载网络  : " +
              supported + u"\r\n\r\n"};
}

std::string joined(const std::vector<std::string>& peers) {
  std::string text;
  for (const std::string& peer : peers) text += (text.empty() ? "" : ",") + peer;
  return text;
}

bool isMac(const std::string& text) {
  return text.size() == 12 &&
         std::all_of(text.begin(), text.end(), [](char c) { return isHexDigit(c); });
}

}  // namespace

HostedNetworkState hostedNetworkState(const NetshState& state) {
  if (state.adapter != WirelessAdapter::CanHost || !state.allowed || !state.radioOn) {
    return HostedNetworkState::Unavailable;
  }
  return state.started ? HostedNetworkState::Active : HostedNetworkState::Idle;
}

std::string formatNetshState(const NetshState& state) {
  const auto yesNo = [](bool value) { return value ? "yes" : "no"; };
  return std::string("adapter\t") + kAdapterNames[static_cast<int>(state.adapter)] + "\nradio\t" +
         (state.radioOn ? "on" : "off") + "\nallowed\t" + yesNo(state.allowed) + "\nstarted\t" +
         yesNo(state.started) + "\nssid\t" + escapeField(state.ssid) + "\nkey\t" +
         escapeField(state.key) + "\npeers\t" + joined(state.peers) + '\n';
}

std::optional<NetshState> parseNetshState(const std::string& file) {
  NetshState state;
  for (const std::string& line : splitLines(file)) {
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() != 2) return std::nullopt;
    const std::string& name = fields[0];
    const std::string& value = fields[1];
    if (name == "adapter") {
      const auto known = std::find(std::begin(kAdapterNames), std::end(kAdapterNames), value);
      if (known == std::end(kAdapterNames)) return std::nullopt;
      state.adapter = static_cast<WirelessAdapter>(known - std::begin(kAdapterNames));
    } else if (name == "radio" && (value == "on" || value == "off")) {
      state.radioOn = value == "on";
    } else if ((name == "allowed" || name == "started") && (value == "yes" || value == "no")) {
      (name == "allowed" ? state.allowed : state.started) = value == "yes";
    } else if (name == "peers") {
      state.peers.clear();
      std::size_t begin = 0;
      while (begin < value.size()) {
        const std::size_t end = std::min(value.find(',', begin), value.size());
        state.peers.push_back(value.substr(begin, end - begin));
        if (!isMac(state.peers.back())) return std::nullopt;
        begin = end + 1;
      }
    } else if (name == "ssid" || name == "key") {
      const auto text = unescapeField(value);
      if (!text) return std::nullopt;
      (name == "ssid" ? state.ssid : state.key) = *text;
    } else {
      return std::nullopt;
    }
  }
  return state;
}

NetshAnswer answerNetsh(const std::vector<std::u16string>& arguments, NetshState& state,
                        CodePageLength ssidLength) {
  std::vector<std::u16string> words;
  for (const std::u16string& argument : arguments) words.push_back(lowered(argument));
  const auto is = [&](std::initializer_list<const char16_t*> command) {
    if (words.size() < command.size()) return false;
    std::size_t i = 0;
    for (const char16_t* word : command) {
      if (words[i++] != word) return false;
    }
    return true;
  };
  if (is({u"wlan", u"set", u"hostednetwork"})) {
    return setHostedNetwork({arguments.begin() + 3, arguments.end()}, state, ssidLength);
  }
  if (words.size() == 3 && is({u"wlan", u"start", u"hostednetwork"})) {
    return startHostedNetwork(state);
  }
  if (words.size() == 3 && is({u"wlan", u"stop", u"hostednetwork"})) {
    // wlanapi's hosted-network calls fail where no adapter can host.
    if (state.adapter != WirelessAdapter::CanHost) {
      return refused(u"无法停止承载网络。\r\n组或资源的状态不是执行请求操作的正确状态。");
    }
    state.started = false;
    state.peers.clear();
    return {0, u"已停止承载网络。\r\n"};
  }
  if (words.size() == 3 && is({u"wlan", u"show", u"drivers"})) return showDrivers(state);

  std::u16string line;
  for (const std::u16string& argument : arguments) line += (line.empty() ? u"" : u" ") + argument;
  return refused(u"找不到下列命令: " + line + u"。");
}

}  // namespace vanterel::e2e
