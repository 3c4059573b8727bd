#include "tests/e2e/field_escape.h"

#include <cstdint>

namespace vanterel::e2e {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void appendHex(std::string& out, std::uint32_t value, int digits) {
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

void appendUtf16(std::u16string& out, std::uint32_t code) {
  if (code < 0x10000) {
    out += static_cast<char16_t>(code);
  } else {
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
  }
}

std::optional<std::uint32_t> hexValue(const std::string& field, std::size_t at, int digits) {
  if (at + static_cast<std::size_t>(digits) > field.size()) return std::nullopt;
  std::uint32_t value = 0;
  for (int i = 0; i < digits; ++i) {
    const char c = field[at + static_cast<std::size_t>(i)];
    std::uint32_t digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<std::uint32_t>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<std::uint32_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * 16 + digit;
  }
  return value;
}

// Decodes one UTF-8 sequence at `at`, advancing past it; rejects overlong
// forms, surrogates and values past U+10FFFF.
std::optional<std::uint32_t> utf8Code(const std::string& field, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(field[at]);
  int continuation;
  std::uint32_t code;
  std::uint32_t smallest;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    continuation = 1, code = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    continuation = 2, code = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    continuation = 3, code = lead & 0x07, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (field.size() - at <= static_cast<std::size_t>(continuation)) return std::nullopt;
  for (int i = 1; i <= continuation; ++i) {
    const auto next = static_cast<unsigned char>(field[at + static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return std::nullopt;
  }
  at += static_cast<std::size_t>(continuation) + 1;
  return code;
}

}  // namespace

std::string escapeField(const std::u16string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      const std::uint32_t code = 0x10000 + ((static_cast<std::uint32_t>(unit) - 0xD800) << 10) +
                                 (static_cast<std::uint32_t>(text[i + 1]) - 0xDC00);
      appendUtf8(out, code);
      ++i;
    } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
      out += "\\u";
      appendHex(out, unit, 4);
    } else if (unit == u'\\') {
      out += "\\\\";
    } else if (unit == u'\t') {
      out += "\\t";
    } else if (unit == u'\n') {
      out += "\\n";
    } else if (unit == u'\r') {
      out += "\\r";
    } else if (unit < 0x20 || unit == 0x7F) {
      out += "\\x";
      appendHex(out, unit, 2);
    } else {
      appendUtf8(out, unit);
    }
  }
  return out;
}

std::optional<std::u16string> unescapeField(const std::string& field) {
  std::u16string out;
  std::size_t at = 0;
  while (at < field.size()) {
    const char c = field[at];
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
    if (c != '\\') {
      const auto code = utf8Code(field, at);
      if (!code) return std::nullopt;
      appendUtf16(out, *code);
      continue;
    }
    if (at + 1 >= field.size()) return std::nullopt;
    const char kind = field[at + 1];
    at += 2;
    if (kind == '\\') {
      out += u'\\';
    } else if (kind == 't') {
      out += u'\t';
    } else if (kind == 'n') {
      out += u'\n';
    } else if (kind == 'r') {
      out += u'\r';
    } else if (kind == 'x' || kind == 'u') {
      const int digits = kind == 'x' ? 2 : 4;
      const auto value = hexValue(field, at, digits);
      if (!value) return std::nullopt;
      out += static_cast<char16_t>(*value);
      at += static_cast<std::size_t>(digits);
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::vector<std::string> splitLines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < file.size()) {
    std::size_t end = file.find('\n', begin);
    if (end == std::string::npos) end = file.size();
    lines.push_back(file.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', begin);
    if (tab == std::string::npos) break;
    fields.push_back(line.substr(begin, tab - begin));
    begin = tab + 1;
  }
  fields.push_back(line.substr(begin));
  return fields;
}

}  // namespace vanterel::e2e
