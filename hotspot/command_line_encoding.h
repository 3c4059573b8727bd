#pragma once

#include <optional>
#include <string>

namespace vanterel {

// Encodes a typed value so that, appended to a "cmd /c program ..." line,
// the command interpreter runs nothing but that program and the program,
// splitting its command line by the standard Windows rules, receives the
// value intact as the rest of the current argument.
//
// cmd is kept out of its quoted state throughout: every quote it sees is
// caret-escaped, as is every character it treats specially, so each layer
// is handled by one rule. A value free of such characters is returned as it
// stands.
std::u16string encodeForCmdArgument(const std::u16string& value);

// The first character that no encoding can pass intact (control characters
// other than tab: cmd ends or splits the line at them), if any.
std::optional<char16_t> firstUnencodableCharacter(const std::u16string& value);

}  // namespace vanterel
