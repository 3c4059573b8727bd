#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/e2e/field_escape.h"
#include "tests/e2e/netsh_log_format.h"
#include "tests/e2e/netsh_model.h"
#include "tests/e2e/netsh_rules_format.h"

namespace vanterel::e2e {
namespace {

TEST(FieldEscape, WritesEachKindOfUnitAsExpected) {
  struct Case {
    std::u16string text;
    std::string field;
  };
  const Case cases[] = {
      {u"", ""},
      {u"plain ASCII \"quoted\" %PATH%", "plain ASCII \"quoted\" %PATH%"},
      {u"a\\b", "a\\\\b"},
      {u"tab\there", "tab\\there"},
      {u"line\r\nbreak", "line\\r\\nbreak"},
      {u"\x01\x1F\x7F", "\\x01\\x1F\\x7F"},
      {u"中文", "\xE4\xB8\xAD\xE6\x96\x87"},
      {u"😀", "\xF0\x9F\x98\x80"},
      {std::u16string(1, u'\xD83D'), "\\uD83D"},
      {std::u16string(1, u'\xDE00') + u'x', "\\uDE00x"},
      {std::u16string{u'\xDE00', u'\xD83D'}, "\\uDE00\\uD83D"},
  };
  for (const Case& each : cases) {
    EXPECT_EQ(escapeField(each.text), each.field);
    EXPECT_EQ(unescapeField(each.field), each.text) << each.field;
  }
}

TEST(FieldEscape, RejectsMalformedFields) {
  const std::string malformed[] = {
      "ends in \\",
      "\\q",
      "\\x4",
      "\\xZZ",
      "\\x4a",
      "\\u12",
      "raw\ttab",
      "raw\nline",
      "\x80",
      "\xC0\x80",
      "\xE4\xB8",
      "\xED\xA0\x80",
      "\xF4\x90\x80\x80",
      "\xF8\x88\x80\x80\x80",
  };
  for (const std::string& field : malformed) {
    EXPECT_FALSE(unescapeField(field).has_value()) << field;
  }
}

TEST(FieldEscape, RoundTripsRandomTextOverAHostileAlphabet) {
  const char16_t alphabet[] = {u'\\', u'\t',     u'\n',   u'\r',    u'\x01', u'x',      u'u',
                               u'"',  u' ',      u'^',    u'%',     u'\x7F', u'\xD83D', u'\xDE00',
                               u'中', u'\xFFFF', u'\x80', u'\x7FF', u'\x800'};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1);
  std::uniform_int_distribution<int> length(0, 24);
  for (int round = 0; round < 5000; ++round) {
    std::u16string text;
    for (int i = length(random); i > 0; --i) text += alphabet[pick(random)];
    const std::string field = escapeField(text);
    ASSERT_EQ(field.find_first_of("\t\n\r"), std::string::npos);
    ASSERT_EQ(unescapeField(field), text);
  }
}

TEST(FieldEscape, SplitsAtEveryTab) {
  EXPECT_EQ(splitFields(""), std::vector<std::string>{""});
  EXPECT_EQ(splitFields("a\t\tb\t"), (std::vector<std::string>{"a", "", "b", ""}));
}

TEST(NetshLog, RoundTripsInvocationsInOrder) {
  const std::vector<NetshInvocation> invocations = {
      {4242, u"netsh wlan \"ssid=a\tb\"", {u"netsh", u"wlan", u"ssid=a\tb"}},
      {7, u"", {}},
      {4294967295u, u"netsh \"\" x", {u"netsh", u"", u"x", u""}},
  };
  std::string log;
  for (const NetshInvocation& invocation : invocations) log += formatInvocation(invocation);
  EXPECT_EQ(parseNetshLog(log), invocations);
  EXPECT_EQ(parseNetshLog(""), std::vector<NetshInvocation>{});
}

TEST(NetshLog, RejectsAnUnfinishedOrMalformedLog) {
  const std::string complete = formatInvocation({1, u"netsh", {u"netsh"}});
  const std::string malformed[] = {
      complete.substr(0, complete.size() - 1),
      complete + "2\n",
      complete + "x\tnetsh\n",
      complete + "4294967296\tnetsh\n",
      complete + "3\tbad \\q escape\n",
  };
  for (const std::string& log : malformed) {
    EXPECT_FALSE(parseNetshLog(log).has_value()) << log;
  }
}

TEST(NetshRules, RoundTripAndTheFirstMatchingRuleDecides) {
  const std::vector<NetshRule> rules = {
      {u"key=", 1, 0, u"密码\t无效\r\n"},
      {u"hostednetwork", 0, 250, u""},
      {u"", 9, 0, u"any", 932},
  };
  const auto parsed = parseNetshRules(formatNetshRules(rules));
  ASSERT_EQ(parsed, rules);

  EXPECT_EQ(ruleFor(rules, u"netsh wlan set hostednetwork key=x"), &rules[0]);
  EXPECT_EQ(ruleFor(rules, u"netsh wlan start hostednetwork"), &rules[1]);
  EXPECT_EQ(ruleFor(rules, u"netsh wlan show drivers"), &rules[2]);
  EXPECT_EQ(ruleFor({rules[0]}, u"netsh wlan show drivers"), nullptr);
  EXPECT_EQ(ruleFor({}, u"anything"), nullptr);
}

TEST(NetshRules, ReadsTheLastLineWithoutABreakAndRejectsBadLines) {
  EXPECT_EQ(parseNetshRules(""), std::vector<NetshRule>{});
  EXPECT_EQ(parseNetshRules("start\t2\t10\tout"),
            (std::vector<NetshRule>{{u"start", 2, 10, u"out"}}));
  const std::string malformed[] = {
      "\n",
      "start\t2\t10\n",
      "start\t2\t10\tout\textra\n",
      "start\t-1\t0\t\n",
      "start\t1\t\t\n",
      "start\t1\t0\t\\z\n",
  };
  for (const std::string& file : malformed) {
    EXPECT_FALSE(parseNetshRules(file).has_value()) << file;
  }
}

}  // namespace
}  // namespace vanterel::e2e

namespace vanterel::e2e {
namespace {

// GBK as far as these tests need it: two bytes for each character beyond ASCII.
std::size_t gbkLength(const std::u16string& text) {
  std::size_t bytes = 0;
  for (char16_t c : text) bytes += c < 0x80 ? 1 : 2;
  return bytes;
}

std::vector<std::u16string> words(const std::u16string& line) {
  std::vector<std::u16string> result;
  std::size_t begin = 0;
  while (begin <= line.size()) {
    const auto end = line.find(u' ', begin);
    result.push_back(line.substr(begin, end == std::u16string::npos ? end : end - begin));
    if (end == std::u16string::npos) break;
    begin = end + 1;
  }
  return result;
}

// One machine, one session: each line as netsh would take it, in order.
TEST(NetshModel, HoldsToNetshsSyntaxLimitsAndOrder) {
  const std::u16string sixteenChinese = u"一二三四五六七八九十一二三四五六";
  const struct {
    std::u16string line;
    std::uint32_t exitCode;
  } session[] = {
      {u"wlan set hostednetwork ssid=Vanterel", 0},
      {u"wlan set hostednetwork key=0123456789abcdef", 0},
      {u"wlan start hostednetwork", 1},  // the mode is not allowed yet
      {u"wlan set hostednetwork keyType=persistent", 1},
      {u"wlan set hostednetwork", 1},
      {u"wlan set hostednetwork mode=maybe", 1},
      {u"WLAN SET HOSTEDNETWORK MODE=ALLOW", 0},
      {u"wlan set hostednetwork ssid=", 1},
      {u"wlan set hostednetwork ssid=" + sixteenChinese, 0},
      {u"wlan set hostednetwork ssid=" + sixteenChinese + u"七", 1},
      {u"wlan set hostednetwork key=1234567", 1},
      {u"wlan set hostednetwork key=" + std::u16string(63, u'k'), 0},
      {u"wlan set hostednetwork key=" + std::u16string(64, u'k'), 1},
      {u"wlan set hostednetwork key=" + std::u16string(64, u'F'), 0},
      {u"wlan set hostednetwork key=密码密码密码密码", 1},
      {u"wlan set hostednetwork key=0123456789abcdef keyUsage=forever", 1},
      {u"wlan set hostednetwork key=0123456789abcdef keyUsage=persistent", 0},
      {u"wlan set hostednetwork disallow", 0},  // a value by its place
      {u"wlan start hostednetwork", 1},
      {u"wlan set hostednetwork allow", 0},
      {u"wlan start hostednetwork", 0},
      {u"wlan show drivers", 0},
      {u"wlan start hostednetwork now", 1},
      {u"wlan show hostednetwork settings=security", 1},
  };
  NetshState state;
  for (const auto& step : session) {
    SCOPED_TRACE(testing::PrintToString(step.line));
    const NetshAnswer answer = answerNetsh(words(step.line), state, &gbkLength);
    EXPECT_EQ(answer.exitCode, step.exitCode) << testing::PrintToString(answer.output);
    EXPECT_FALSE(answer.output.empty());
  }
  EXPECT_EQ(state.ssid, sixteenChinese);
  EXPECT_EQ(state.key, u"0123456789abcdef");
  EXPECT_TRUE(state.allowed);
  EXPECT_EQ(hostedNetworkState(state), HostedNetworkState::Active);
  state.peers = {"3C5AB4010203", "a0b1c2d3e4f5"};
  EXPECT_EQ(parseNetshState(formatNetshState(state)), state);
  EXPECT_FALSE(parseNetshState("peers\t3C5AB40102\n").has_value());
  EXPECT_EQ(answerNetsh(words(u"wlan stop hostednetwork"), state, &gbkLength).exitCode, 0u);
  EXPECT_EQ(hostedNetworkState(state), HostedNetworkState::Idle);
  EXPECT_TRUE(state.peers.empty());
  // With the radio off the network is unavailable and will not start.
  state.radioOn = false;
  EXPECT_EQ(hostedNetworkState(state), HostedNetworkState::Unavailable);
  EXPECT_EQ(answerNetsh(words(u"wlan start hostednetwork"), state, &gbkLength).exitCode, 1u);
  // Where no adapter can host, it will not stop either.
  state.adapter = WirelessAdapter::CannotHost;
  EXPECT_EQ(answerNetsh(words(u"wlan stop hostednetwork"), state, &gbkLength).exitCode, 1u);
  EXPECT_EQ(parseNetshState(formatNetshState(state)), state);
  EXPECT_FALSE(parseNetshState("adapter\tbroken\n").has_value());
}

}  // namespace
}  // namespace vanterel::e2e
