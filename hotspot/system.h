#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hotspot/command_run.h"
#include "hotspot/hosted_network_status.h"
#include "hotspot/hotspot_look.h"
#include "hotspot/record_file.h"
#include "hotspot/sharing_calls.h"
#include "hotspot/tethering_calls.h"

namespace vanterel {

// How a job handed to the Windows side ended.
struct JobEnd {
  enum class Kind {
    Ended,
    TimedOut,  // had not ended in time: it is left to finish alone
    Failed,    // it threw: error is E_OUTOFMEMORY for std::bad_alloc, else E_FAIL
  };
  Kind kind = Kind::Ended;
  std::uint32_t error = 0;
};

// What a job in the background may ask, on its own thread.
class BackgroundCalls {
 public:
  virtual ~BackgroundCalls() = default;

  // As System::hostedNetworkStatus.
  virtual std::optional<HostedNetworkStatus> hostedNetworkStatus() = 0;
  // The Mobile hotspot's calls, made on this thread.
  virtual TetheringCalls& tethering() = 0;
};

// What the click handlers ask of the computer, apart from the window. The
// Windows side implements it; tests use an in-memory one. Every call may take
// seconds: meanwhile the window keeps painting but takes no input.
class System {
 public:
  virtual ~System() = default;

  // Runs a command line to its end, capturing what it prints.
  virtual CommandRun runCommand(const std::u16string& commandLine, WindowStyle style,
                                std::chrono::milliseconds timeout) = 0;

  // Whether Windows offers the Mobile hotspot (Windows 10 1607 and later),
  // found by asking for it, not by the version.
  virtual bool hasMobileHotspot() = 0;
  // Runs the job against the Mobile hotspot's calls, on a thread of the
  // multithreaded apartment, for at most `budget`. One that times out must
  // own what it touches.
  virtual JobEnd runTetheringJob(std::function<void(TetheringCalls&)> job,
                                 std::chrono::milliseconds budget) = 0;
  // Runs the job against the sharing calls, on a thread that may make them,
  // for at most kSharingTimeout. One that times out must own what it
  // touches.
  virtual JobEnd runSharingJob(std::function<void(SharingCalls&)> job) = 0;
  // What the system says about an error code, in the user's language.
  virtual std::u16string systemMessage(std::uint32_t code) = 0;

  // The hosted network and the wireless adapters, as wlanapi tells them;
  // nothing when wlanapi cannot be asked (missing, or a call failed).
  virtual std::optional<HostedNetworkStatus> hostedNetworkStatus() = 0;
  // The devices connected to the hosted network, with the addresses its
  // adapter's neighbour table has for them; nothing when that cannot be
  // asked.
  virtual std::optional<std::vector<ConnectedDevice>> hostedNetworkDevices() = 0;
  // Lets the time pass, the window painting meanwhile.
  virtual void pause(std::chrono::milliseconds duration) = 0;
  // Runs the job on a thread of its own, without waiting for it; once it
  // has ended, `done` runs on the window's thread, unless the window is
  // gone or busy with a handler by then. One job at a time: false, and
  // nothing run, while one is under way.
  virtual bool runInBackground(std::function<void(BackgroundCalls&)> job,
                               std::function<void()> done) = 0;
  // How many bytes the text takes in the system's ANSI code page, in which
  // Windows sends a network's name.
  virtual std::size_t ansiLength(const std::u16string& text) = 0;
  // The program's record of what to give back; jobs may use it on their
  // threads.
  virtual RecordFile& recordFile() = 0;
};

}  // namespace vanterel
