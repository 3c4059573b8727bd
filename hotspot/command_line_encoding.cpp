#include "hotspot/command_line_encoding.h"

namespace vanterel {
namespace {

bool isArgumentSeparator(char16_t c) { return c == u' ' || c == u'\t'; }

// Characters cmd acts on outside quotes; each is passed on after a caret.
bool isCmdSpecial(char16_t c) {
  switch (c) {
    case u'&':
    case u'|':
    case u'<':
    case u'>':
    case u'^':
    case u'(':
    case u')':
    case u'!':
      return true;
    default:
      return false;
  }
}

// A quote for the argument parser that cmd passes through untouched.
constexpr const char16_t* kQuote = u"^\"";

}  // namespace

std::u16string encodeForCmdArgument(const std::u16string& value) {
  std::u16string out;
  std::size_t pendingBackslashes = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char16_t c = value[i];
    if (c == u'\\') {
      ++pendingBackslashes;
      continue;
    }
    const bool quoteFollows = isArgumentSeparator(c) || c == u'"';
    // Backslashes are literal unless a quote follows them: then each must
    // be doubled so the quote keeps its meaning.
    out.append(pendingBackslashes * (quoteFollows ? 2 : 1), u'\\');
    pendingBackslashes = 0;

    if (isArgumentSeparator(c)) {
      // A run of separators shares one pair of quotes: closing and reopening
      // between them would put "" in quote mode, which runtimes read
      // differently.
      if (i == 0 || !isArgumentSeparator(value[i - 1])) out += kQuote;
      out += c;
      if (i + 1 == value.size() || !isArgumentSeparator(value[i + 1])) out += kQuote;
    } else if (c == u'"') {
      out += u'\\';
      out += kQuote;
    } else if (c == u'%') {
      out += c;
      // An empty quoted string after the percent sign leaves the argument
      // unchanged but gives any %NAME% a name no variable has, so cmd
      // expands nothing. Where a separator follows, its own quote does that,
      // and a third quote in a row would change the argument.
      if (i + 1 < value.size() && !isArgumentSeparator(value[i + 1])) {
        out += kQuote;
        out += kQuote;
      }
    } else if (isCmdSpecial(c)) {
      out += u'^';
      out += c;
    } else {
      out += c;
    }
  }
  out.append(pendingBackslashes, u'\\');
  return out;
}

std::optional<char16_t> firstUnencodableCharacter(const std::u16string& value) {
  for (char16_t c : value) {
    if ((c < 0x20 && c != u'\t') || c == 0x7F) return c;
  }
  return std::nullopt;
}

}  // namespace vanterel
