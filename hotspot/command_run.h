#pragma once

#include <cstdint>
#include <string>

namespace vanterel {

// The window style handed to a launched program's first window.
enum class WindowStyle : int {
  Hidden = 0,
  MinimizedWithFocus = 2,
};

// How one command line ended, as far as the launcher could tell.
struct CommandRun {
  enum class Outcome {
    Exited,         // ran to its end; exitCode is what it returned
    CouldNotStart,  // the program could not be started; output says why
    TimedOut,       // had not ended in time; it and what it started were ended
  };

  Outcome outcome = Outcome::CouldNotStart;
  std::uint32_t exitCode = 0;
  std::u16string output;  // what it printed on stdout and stderr, decoded
};

}  // namespace vanterel
