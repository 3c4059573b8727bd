#include "hotspot/program_record.h"

#include <gtest/gtest.h>

#include <string>

namespace vanterel {
namespace {

const std::u16string kHosted = u"{4B1C0D2E-0000-4000-8000-00000000000A}";
const std::u16string kShared = u"{4B1C0D2E-0000-4000-8000-00000000000B}";

TEST(ProgramRecord, KeepsEachPartWholeOrIsNoRecordAtAll) {
  const TetheringRecord settings{
      {u"家里的 Wi-Fi", u"own key =", 2}, u"Vanterel", u"0123456789abcdef"};
  const ProgramRecord records[] = {
      {},
      {SharingRecord{kHosted, kShared, u""}, std::nullopt},
      {std::nullopt, settings},
      {SharingRecord{kHosted, u"", u""}, TetheringRecord{{u"", u"", std::nullopt}, u"x", u"y"}},
  };
  for (const ProgramRecord& record : records) {
    const std::string text = formatProgramRecord(record);
    SCOPED_TRACE(text);
    // Read back, it writes the very same text: nothing was lost.
    const auto read = parseProgramRecord(text);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(formatProgramRecord(*read), text);
    // Whatever a crash leaves of it, short of the whole, is nothing.
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
      EXPECT_FALSE(parseProgramRecord(text.substr(0, cut)).has_value()) << cut;
    }
  }

  const std::string whole = formatProgramRecord({SharingRecord{kHosted, kShared, u""}, settings});
  const auto changed = [&](const std::string& from, const std::string& to) {
    std::string text = whole;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::string bad[] = {
      changed("hosted=", "hosted=x"),
      changed("tethering-band=2", "tethering-band=two"),
      changed("given-ssid=", "given-ssid=00"),
      changed("given-passphrase=", "extra=1\r\ngiven-passphrase="),
      changed("\r\nprivate=\r\n", "\r\n"),                        // a part not whole
      changed("Vanterel record 2", "Vanterel sharing record 1"),  // that format kept no settings
      whole + "more\r\n",
  };
  for (const std::string& text : bad) {
    EXPECT_FALSE(parseProgramRecord(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace vanterel
