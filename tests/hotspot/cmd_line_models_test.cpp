#include "tests/hotspot/cmd_line_models.h"

#include <gtest/gtest.h>

namespace vanterel {
namespace {

using Arguments = std::vector<std::u16string>;

// The models are only worth their verdicts if they see the attacks that
// they are meant to see; these cases come from the platform's documented
// behaviour.

TEST(ArgumentSplitModel, FollowsTheDocumentedExamples) {
  const struct {
    std::u16string line;
    Arguments arguments;
  } cases[] = {
      {uR"("abc" d e)", {u"abc", u"d", u"e"}},
      {uR"(a\\b d"e f"g h)", {uR"(a\\b)", u"de fg", u"h"}},
      {uR"(a\\\"b c d)", {uR"(a\"b)", u"c", u"d"}},
      {uR"(a\\\\"b c" d e)", {uR"(a\\b c)", u"d", u"e"}},
      {u"  tab\tand  spaces ", {u"tab", u"and", u"spaces"}},
      {uR"(empty "" argument)", {u"empty", u"", u"argument"}},
      {uR"(trailing\)", {uR"(trailing\)"}},
      {u"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.line));
    const ArgumentSplit split = splitArguments(c.line);
    EXPECT_EQ(split.arguments, c.arguments);
    EXPECT_FALSE(split.runtimesMayDisagree);
  }
}

TEST(ArgumentSplitModel, FlagsTheQuotesThatRuntimesReadDifferently) {
  for (const char16_t* line : {uR"(a"b"" c d)", uR"(a" "" "b)", uR"(x """y""")"}) {
    EXPECT_TRUE(splitArguments(line).runtimesMayDisagree) << testing::PrintToString(line);
  }
  EXPECT_FALSE(splitArguments(uR"(a"" "b")").runtimesMayDisagree);
}

TEST(CmdModel, SeesCommandSeparatorsOnlyOutsideQuotesAndUnescaped) {
  const struct {
    std::u16string line;
    bool runsMore;
    std::u16string toProgram;
  } cases[] = {
      {u"netsh x & calc", true, u"netsh x & calc"},
      {u"netsh x | more", true, u"netsh x | more"},
      {u"netsh x > out", true, u"netsh x > out"},
      {u"netsh (x)", true, u"netsh (x)"},
      {u"netsh \"x & calc\"", false, u"netsh \"x & calc\""},
      {u"netsh x ^& calc", false, u"netsh x & calc"},
      {u"netsh ^\"x & calc^\"", true, u"netsh \"x & calc\""},
      {u"netsh \"a\" & calc", true, u"netsh \"a\" & calc"},
      {u"netsh \"^\" ^^", false, u"netsh \"^\" ^"},
      {u"netsh x^", false, u"netsh x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.line));
    for (CmdPassOrder order : {CmdPassOrder::PercentFirst, CmdPassOrder::CaretsFirst}) {
      const CmdReading reading = readByCmd(c.line, order, usualWindowsVariables());
      EXPECT_EQ(reading.runsMore, c.runsMore);
      EXPECT_EQ(reading.toProgram, c.toProgram);
      EXPECT_FALSE(reading.expanded);
    }
  }
}

TEST(CmdModel, ExpandsDefinedNamesInEitherOrder) {
  const struct {
    std::u16string line;
    bool expandedOnWindows;
    bool expandedOnWine;
  } cases[] = {
      {u"%PATH%", true, true},       {u"%path%", true, true},
      {u"%PATH:~0,3%", true, true},  {u"%PATH:a=b%", true, true},
      {u"%=C:%", true, true},        {u"%RANDOM%%CD%", true, true},
      {u"%a %OS% c%", true, true},  // the closing sign of an undefined name opens the next
      {u"%^PATH%", false, true},    // Wine removes the caret before it expands
      {u"%\"\"PATH%", false, false}, {u"%NOT_DEFINED%", false, false},
      {u"100%", false, false},       {u"%%", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.line));
    EXPECT_EQ(readByCmd(c.line, CmdPassOrder::PercentFirst, usualWindowsVariables()).expanded,
              c.expandedOnWindows);
    EXPECT_EQ(readByCmd(c.line, CmdPassOrder::CaretsFirst, usualWindowsVariables()).expanded,
              c.expandedOnWine);
  }
  const CmdReading undefined =
      readByCmd(u"%NOT_DEFINED%x", CmdPassOrder::PercentFirst, usualWindowsVariables());
  EXPECT_EQ(undefined.toProgram, u"%NOT_DEFINED%x");
}

TEST(CmdModel, AHostileEnvironmentDefinesEveryOrdinaryName) {
  const IsDefined hostile = everyOrdinaryName();
  EXPECT_TRUE(readByCmd(u"%a b%", CmdPassOrder::PercentFirst, hostile).expanded);
  EXPECT_TRUE(readByCmd(u"%x:~1%", CmdPassOrder::CaretsFirst, hostile).expanded);
  EXPECT_FALSE(readByCmd(u"%^\"^\"a%", CmdPassOrder::PercentFirst, hostile).expanded);
  EXPECT_FALSE(readByCmd(u"%^\"^\"a%", CmdPassOrder::CaretsFirst, hostile).expanded);
}

}  // namespace
}  // namespace vanterel
