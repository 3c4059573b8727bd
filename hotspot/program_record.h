#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "hotspot/record_file.h"
#include "hotspot/tethering_calls.h"

namespace vanterel {

// The computer's sharing from before the program's first change: the
// connection that was shared (public) and the one that used it (private),
// each by its GUID and empty for none, and the hosted network's adapter the
// program shared with.
struct SharingRecord {
  std::u16string hosted;
  std::u16string sharedPublic;
  std::u16string sharedPrivate;
};

// The Mobile hotspot's settings from before the program configured it, and
// the name and passphrase the program gave it: the settings found hold only
// while the hotspot still has those.
struct TetheringRecord {
  TetheringSettings found;
  std::u16string givenSsid;
  std::u16string givenPassphrase;
  // The program turned the hotspot's no-connections timeout off; it goes
  // on again with the settings.
  bool timeoutTurnedOff = false;
};

// What the program keeps to give back, kept across its runs: each part only
// while there is something of that kind to give back.
struct ProgramRecord {
  std::optional<SharingRecord> sharing;
  std::optional<TetheringRecord> tethering;
};

// The record as its file holds it: lines of ASCII, the last one saying that
// nothing was cut off.
std::string formatProgramRecord(const ProgramRecord& record);

// Nothing when the text is no whole record of this format, or of the
// earlier one that kept only the sharing.
std::optional<ProgramRecord> parseProgramRecord(const std::string& text);

// Writes the record whole, or removes the file when it holds nothing to
// give back. False when it could not be written.
bool keepProgramRecord(RecordFile& file, const ProgramRecord& record);

}  // namespace vanterel
