#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vanterel::e2e {

// One text field of the stand-in netsh's files, as UTF-8 on one line: a
// backslash, tab, line break or other control character is written as a
// backslash escape (\\ \t \n \r \xHH), and a lone UTF-16 surrogate, which
// UTF-8 cannot hold, as \uHHHH. So a tab can separate fields and a line
// break records, and every UTF-16 text comes back unit for unit.
std::string escapeField(const std::u16string& text);

// The text an escaped field stands for; nothing when the field is malformed.
std::optional<std::u16string> unescapeField(const std::string& field);

// The lines of a file, the last one with or without its line break.
std::vector<std::string> splitLines(const std::string& file);

// Splits a line at its tabs; an empty line is one empty field.
std::vector<std::string> splitFields(const std::string& line);

}  // namespace vanterel::e2e
