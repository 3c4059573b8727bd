#include "tests/hotspot/cmd_line_models.h"

#include <algorithm>

namespace vanterel {
namespace {

char16_t upper(char16_t c) {
  return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool sameName(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return upper(x) == upper(y); });
}

// The text between two percent signs names a variable when it is a defined
// name, or a defined name followed by a substring (:~a,b) or replacement
// (:x=y) modifier.
bool namesVariable(const std::u16string& inner, const IsDefined& isDefined) {
  if (isDefined(inner)) return true;
  for (std::size_t colon = inner.find(u':'); colon != std::u16string::npos;
       colon = inner.find(u':', colon + 1)) {
    const std::u16string modifier = inner.substr(colon + 1);
    const bool isModifier =
        (!modifier.empty() && modifier[0] == u'~') || modifier.find(u'=') != std::u16string::npos;
    if (isModifier && isDefined(inner.substr(0, colon))) return true;
  }
  return false;
}

std::u16string expandPercents(const std::u16string& line, const IsDefined& isDefined,
                              bool& expanded) {
  std::u16string out;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] != u'%') {
      out += line[i++];
      continue;
    }
    const std::size_t close = line.find(u'%', i + 1);
    if (close == std::u16string::npos) {
      out.append(line, i, std::u16string::npos);
      break;
    }
    const std::u16string inner = line.substr(i + 1, close - i - 1);
    if (namesVariable(inner, isDefined)) {
      out += u"{value of " + inner + u"}";
      expanded = true;
      i = close + 1;
    } else {
      // An undefined name stays as typed, and its closing percent sign may
      // open the next name.
      out.append(line, i, close - i);
      i = close;
    }
  }
  return out;
}

bool splitsOrRedirects(char16_t c) {
  return c == u'&' || c == u'|' || c == u'<' || c == u'>' || c == u'(' || c == u')';
}

std::u16string removeCarets(const std::u16string& line, bool& runsMore) {
  std::u16string out;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char16_t c = line[i];
    if (quoted) {
      out += c;
      if (c == u'"') quoted = false;
      continue;
    }
    if (c == u'^') {
      // A caret at the very end escapes the line's end and yields nothing.
      if (i + 1 < line.size()) out += line[++i];
      continue;
    }
    if (c == u'"') quoted = true;
    if (splitsOrRedirects(c)) runsMore = true;
    out += c;
  }
  return out;
}

}  // namespace

IsDefined usualWindowsVariables() {
  return [](const std::u16string& name) {
    for (const char16_t* known :
         {u"PATH", u"OS", u"CD", u"RANDOM", u"=C:", u"=ExitCode", u"ERRORLEVEL", u"CMDCMDLINE",
          u"COMSPEC", u"DATE", u"TIME", u"TEMP", u"USERNAME", u"SystemRoot", u"windir"}) {
      if (sameName(name, known)) return true;
    }
    return false;
  };
}

IsDefined everyOrdinaryName() {
  return [](const std::u16string& name) {
    return !name.empty() && name[0] != u'"' && name[0] != u'^';
  };
}

CmdReading readByCmd(const std::u16string& line, CmdPassOrder order, const IsDefined& isDefined) {
  CmdReading reading;
  if (order == CmdPassOrder::PercentFirst) {
    reading.toProgram =
        removeCarets(expandPercents(line, isDefined, reading.expanded), reading.runsMore);
  } else {
    reading.toProgram =
        expandPercents(removeCarets(line, reading.runsMore), isDefined, reading.expanded);
  }
  return reading;
}

ArgumentSplit splitArguments(const std::u16string& commandLine) {
  ArgumentSplit split;
  split.runtimesMayDisagree = commandLine.find(u"\"\"\"") != std::u16string::npos;
  std::u16string current;
  bool inArgument = false;
  bool quoteMode = false;
  std::size_t i = 0;
  while (i < commandLine.size()) {
    const char16_t c = commandLine[i];
    if (c == u'\\') {
      const std::size_t end = commandLine.find_first_not_of(u'\\', i);
      const std::size_t count = (end == std::u16string::npos ? commandLine.size() : end) - i;
      inArgument = true;
      if (end != std::u16string::npos && commandLine[end] == u'"') {
        current.append(count / 2, u'\\');
        if (count % 2 == 1) {
          current += u'"';
          i = end + 1;
        } else {
          i = end;  // the quote toggles quote mode below
        }
      } else {
        current.append(count, u'\\');
        i += count;
      }
      continue;
    }
    if (c == u'"') {
      if (quoteMode && i + 1 < commandLine.size() && commandLine[i + 1] == u'"') {
        split.runtimesMayDisagree = true;
      }
      quoteMode = !quoteMode;
      inArgument = true;
      ++i;
      continue;
    }
    if ((c == u' ' || c == u'\t') && !quoteMode) {
      if (inArgument) split.arguments.push_back(current);
      current.clear();
      inArgument = false;
      ++i;
      continue;
    }
    current += c;
    inArgument = true;
    ++i;
  }
  if (inArgument) split.arguments.push_back(current);
  return split;
}

}  // namespace vanterel
