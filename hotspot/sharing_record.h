#pragma once

#include <optional>
#include <string>

namespace vanterel {

// What the program keeps of the computer's sharing from before its first
// change, so that a stop can give it back, even after the window was closed
// and the program opened again: the connection that was shared (public) and
// the one that used it (private), each by its GUID and empty for none, and
// the hosted network's adapter that the program shared with.
struct SharingRecord {
  std::u16string hosted;
  std::u16string sharedPublic;
  std::u16string sharedPrivate;
};

// The record as its file holds it: a few lines of ASCII, the last one
// saying that nothing was cut off.
std::string formatSharingRecord(const SharingRecord& record);

// Nothing when the text is no whole record of this format.
std::optional<SharingRecord> parseSharingRecord(const std::string& text);

}  // namespace vanterel
