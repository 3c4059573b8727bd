#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vanterel {

// The order of cmd's two passes over a line. Windows expands %NAME% first
// and then acts on carets and quotes; Wine's cmd removes carets first.
enum class CmdPassOrder { PercentFirst, CaretsFirst };

// Whether the environment cmd runs in defines a variable of that name.
using IsDefined = std::function<bool(const std::u16string& name)>;

// What any Windows session defines, the dynamic and hidden names included.
IsDefined usualWindowsVariables();

// A hostile environment: every name a user could set with an ordinary
// "set NAME=..." is defined.
IsDefined everyOrdinaryName();

struct CmdReading {
  std::u16string toProgram;  // the text the started program receives
  bool runsMore = false;     // an unescaped & | < > ( ) outside quotes
  bool expanded = false;     // some %NAME% was replaced by a value
};

// How "cmd /c" reads the text after "/c " in command-line (not batch) mode.
CmdReading readByCmd(const std::u16string& line, CmdPassOrder order, const IsDefined& isDefined);

struct ArgumentSplit {
  std::vector<std::u16string> arguments;
  // A """ or a "" in quote mode: the C runtimes and CommandLineToArgvW
  // read these differently, so the arguments above are not certain.
  bool runtimesMayDisagree = false;
};

// Splits a program's command line by the standard Windows rules.
ArgumentSplit splitArguments(const std::u16string& commandLine);

}  // namespace vanterel
