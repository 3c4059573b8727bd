#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hotspot/system.h"
#include "tests/hotspot/fake_record_file.h"
#include "tests/hotspot/fake_sharing.h"

namespace vanterel {

// The computer in memory: records every command and answers as a test tells it to.
class FakeSystem final : public System {
 public:
  struct Launch {
    std::u16string commandLine;
    WindowStyle style;
    std::chrono::milliseconds timeout;
  };

  // How each command ends; by default it exits with 0 and prints nothing.
  std::function<CommandRun(const std::u16string& commandLine)> commandOutcome;

  std::vector<Launch> launches;

  // The Mobile hotspot: absent by default. Its calls play out the given
  // run: they fail, time out or answer at its step, or find no connection.
  // Each change is recorded as "configure <ssid> <passphrase>", "start",
  // "stop" or "timeout on|off".
  bool mobileHotspotPresent = false;
  bool mobileHotspotOn = false;
  TetheringSettings tetheringSettings{u"Windows 热点 7", u"windows-own-key", 0};
  TetheringRun tetheringAnswer;
  // The call at this step throws std::bad_alloc instead.
  std::optional<TetheringStep> tetheringThrowsAt;
  std::vector<std::u16string> tetheringRequests;

  // wlanapi: it cannot be asked unless a test says what it answers.
  std::optional<HostedNetworkStatus> hostedNetwork;
  std::optional<std::vector<ConnectedDevice>> hostedDevices;
  // The Mobile hotspot's clients and its no-connections timeout.
  std::vector<ConnectedDevice> tetheringClients;
  bool noConnectionsTimeout = true;
  // Each pause asked for, in order.
  std::vector<std::chrono::milliseconds> pauses;
  // The program's record, shared by all jobs.
  FakeRecordFile record;

  CommandRun runCommand(const std::u16string& commandLine, WindowStyle style,
                        std::chrono::milliseconds timeout) override;
  bool hasMobileHotspot() override { return mobileHotspotPresent; }
  // Jobs end as system.h says, also when they throw.
  JobEnd runTetheringJob(std::function<void(TetheringCalls&)> job,
                         std::chrono::milliseconds budget) override;

  // The sharing calls each sharing job is given; a job that times out is
  // not run at all.
  FakeSharing sharing;
  bool sharingTimesOut = false;
  // For each sharing job, how many commands had been launched before it.
  std::vector<std::size_t> sharingJobsAfter;

  JobEnd runSharingJob(std::function<void(SharingCalls&)> job) override;
  std::u16string systemMessage(std::uint32_t code) override;
  std::optional<HostedNetworkStatus> hostedNetworkStatus() override { return hostedNetwork; }
  std::optional<std::vector<ConnectedDevice>> hostedNetworkDevices() override {
    return hostedDevices;
  }
  void pause(std::chrono::milliseconds duration) override { pauses.push_back(duration); }
  // Runs the job and, unless the window is to be busy, `done` at once.
  bool runInBackground(std::function<void(BackgroundCalls&)> job,
                       std::function<void()> done) override;
  bool windowBusy = false;
  std::size_t backgroundJobs = 0;
  // As a Chinese system's code page, GBK, takes them: a byte for ASCII, two
  // for anything else.
  std::size_t ansiLength(const std::u16string& text) override;
  RecordFile& recordFile() override { return record; }
};

// wlanapi's answer on a machine whose one adapter is allowed to host and
// has its radio on, with the hosted network in `state` and `peers` devices.
HostedNetworkStatus hostedNetworkIn(HostedNetworkStatus::State state, std::size_t peers = 0);

// A command run that ended with the given exit code and output.
CommandRun exitedWith(std::uint32_t exitCode, const std::u16string& output = u"");

}  // namespace vanterel
