#include "hotspot/command_line_encoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <random>

#include "tests/hotspot/cmd_line_models.h"

namespace vanterel {
namespace {

// What cmd receives after "cmd /c " for the name; the key line differs
// only in its last word.
const std::u16string kSsidLine = u"netsh wlan set hostednetwork ssid=";

const CmdPassOrder kBothOrders[] = {CmdPassOrder::PercentFirst, CmdPassOrder::CaretsFirst};

// Passes when `appended` after the ssid= line makes cmd run netsh alone,
// expand nothing and hand netsh `value` as the whole last argument, under
// both orders of cmd's passes.
testing::AssertionResult arrivesIntact(const std::u16string& value, const std::u16string& appended,
                                       const IsDefined& isDefined) {
  for (CmdPassOrder order : kBothOrders) {
    const char* orderName = order == CmdPassOrder::PercentFirst ? "Windows" : "Wine";
    const CmdReading reading = readByCmd(kSsidLine + appended, order, isDefined);
    if (reading.runsMore) return testing::AssertionFailure() << orderName << " cmd runs more";
    if (reading.expanded) return testing::AssertionFailure() << orderName << " cmd expands";
    const ArgumentSplit split = splitArguments(reading.toProgram);
    if (split.runtimesMayDisagree) {
      return testing::AssertionFailure()
             << orderName << " netsh reads " << testing::PrintToString(reading.toProgram)
             << " differently by runtime";
    }
    const std::vector<std::u16string> expected = {u"netsh", u"wlan", u"set", u"hostednetwork",
                                                  u"ssid=" + value};
    if (split.arguments != expected) {
      return testing::AssertionFailure()
             << orderName << " netsh receives " << testing::PrintToString(split.arguments);
    }
  }
  return testing::AssertionSuccess();
}

TEST(EncodeForCmdArgument, PinnedEncodings) {
  const struct {
    std::u16string value;
    std::u16string encoded;
  } cases[] = {
      {u"", u""},
      {u"MyHotspot_2.4G", u"MyHotspot_2.4G"},
      {u"a=b,c;d", u"a=b,c;d"},
      {u"我的热点", u"我的热点"},
      {u"热点😀", u"热点😀"},
      {u"my net", u"my^\" ^\"net"},
      {u"a  b", u"a^\"  ^\"b"},
      {u"a \t b", u"a^\" \t ^\"b"},
      {u" lead", u"^\" ^\"lead"},
      {u"trail ", u"trail^\" ^\""},
      {u"say \"hi\"", u"say^\" ^\"\\^\"hi\\^\""},
      {u"\"", u"\\^\""},
      {uR"(end\)", uR"(end\)"},
      {uR"(end\\)", uR"(end\\)"},
      {uR"(a\b)", uR"(a\b)"},
      {uR"(a\ b)", uR"(a\\^" ^"b)"},
      {uR"(a\"b)", uR"(a\\\^"b)"},
      {u"%PATH%", u"%^\"^\"PATH%"},
      {u"%", u"%"},
      {u"100%", u"100%"},
      {u"100% sure", u"100%^\" ^\"sure"},
      {u"%%", u"%^\"^\"%"},
      {u"x & calc", u"x^\" ^\"^&^\" ^\"calc"},
      {u"a^b", u"a^^b"},
      {u"(a|b)<c>!", u"^(a^|b^)^<c^>^!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.value));
    EXPECT_EQ(encodeForCmdArgument(c.value), c.encoded);
    EXPECT_TRUE(arrivesIntact(c.value, c.encoded, usualWindowsVariables()));
  }
}

TEST(EncodeForCmdArgument, DefeatsReplayedAttacks) {
  const struct {
    std::u16string value;
    bool harmsUnencoded;  // keeps the replay honest: the models see the raw attack
  } cases[] = {
      {u"x & calc", true},
      {uR"(a" & echo pwned > C:\x & ")", true},
      {u"%PATH%", true},
      {u"%PATH:a=b%", true},
      {u"%PATH:~0,1%", true},
      {u"%path%", true},
      {u"%=C:%", true},
      {u"%CD%%RANDOM%", true},
      {u"%%OS%%", true},
      {u"%a %OS% b%", true},
      {u"%^PATH%", true},
      {u"^", true},
      {u")", true},
      {u"(", true},
      {u"|", true},
      {uR"(\")", true},
      {uR"(\\" & x)", true},
      {u"\"", true},
      {u"a b", true},
      {u"a  b", true},
      {u"\"\"\"", true},
      {uR"(trailing\)", false},
      {uR"(trailing\\)", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.value));
    for (const IsDefined& env : {usualWindowsVariables(), everyOrdinaryName()}) {
      EXPECT_TRUE(arrivesIntact(c.value, encodeForCmdArgument(c.value), env));
    }
    EXPECT_EQ(!arrivesIntact(c.value, c.value, usualWindowsVariables()), c.harmsUnencoded);
  }
}

TEST(EncodeForCmdArgument, NeverFormsADefinedName) {
  for (const char16_t* name : {u"PATH", u"OS", u"CD", u"RANDOM", u"=C:"}) {
    const std::u16string n = name;
    for (const std::u16string& value :
         {u"%" + n + u"%", u"x%" + n + u"%y", u"%" + n + u":~0,1%", u"%" + n + u":a=b%",
          u"%%" + n + u"%%", u"% " + n + u"%", u"%" + n + u" %", u"\"%" + n + u"%\""}) {
      SCOPED_TRACE(testing::PrintToString(value));
      EXPECT_TRUE(arrivesIntact(value, encodeForCmdArgument(value), usualWindowsVariables()));
    }
  }
}

// Deterministic on every platform, unlike the standard distributions.
class Picker {
 public:
  explicit Picker(std::uint32_t seed) : engine_(seed) {}
  std::size_t below(std::size_t bound) { return engine_() % bound; }

 private:
  std::mt19937 engine_;
};

TEST(EncodeForCmdArgument, RandomHostileValuesRoundTrip) {
  // Single characters cmd or the argument parser act on, and whole names and
  // modifiers so that %NAME% forms often.
  const std::u16string pieces[] = {u" ",  u"\t",   u"&",  u"|",      u"<",   u">",     u"^",
                                   u"(",  u")",    u"%",  u"!",      u"\"",  u"\\",    u"=",
                                   u",",  u";",    u"a",  u"Z",      u"中",  u"网",    u"😀",
                                   u"𠀀", u"PATH", u"OS", u"RANDOM", u"=C:", u":~0,1", u":a=b"};
  const IsDefined environments[] = {usualWindowsVariables(), everyOrdinaryName()};
  Picker pick(20240611);
  for (int round = 0; round < 5000; ++round) {
    std::u16string value;
    const std::size_t length = pick.below(25);
    for (std::size_t i = 0; i < length; ++i) value += pieces[pick.below(std::size(pieces))];
    const std::u16string encoded = encodeForCmdArgument(value);
    for (const IsDefined& env : environments) {
      ASSERT_TRUE(arrivesIntact(value, encoded, env))
          << "value " << testing::PrintToString(value) << " encoded "
          << testing::PrintToString(encoded);
    }
  }
}

TEST(FirstUnencodableCharacter, FindsTheFirstControlCharacterButTab) {
  const struct {
    std::u16string value;
    std::optional<char16_t> found;
  } cases[] = {
      {u"", std::nullopt},
      {u"plain text", std::nullopt},
      {u"tab\tis fine", std::nullopt},
      {u"中文😀 &|<>^\"%!", std::nullopt},
      {u"\x20\x7E", std::nullopt},
      {u"line\nbreak", u'\n'},
      {u"a\rb\nc", u'\r'},
      {std::u16string(1, u'\0') + u"x", u'\0'},
      {u"\x01", u'\x01'},
      {u"x\x1F", u'\x1F'},
      {u"x\x1A", u'\x1A'},
      {u"del\x7F", u'\x7F'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.value));
    EXPECT_EQ(firstUnencodableCharacter(c.value), c.found);
  }
}

}  // namespace
}  // namespace vanterel
