#include "tests/hotspot/fake_system.h"

#include <new>

#include "hotspot/message_text.h"

namespace vanterel {

CommandRun FakeSystem::runCommand(const std::u16string& commandLine, WindowStyle style,
                                  std::chrono::milliseconds timeout) {
  launches.push_back({commandLine, style, timeout});
  return commandOutcome ? commandOutcome(commandLine) : exitedWith(0);
}

namespace {

// The Mobile hotspot's calls as the fake system's run has them end.
class PlayedTethering final : public TetheringCalls {
 public:
  explicit PlayedTethering(FakeSystem& system) : system_(system) {}

  TetheringCallEnd openManager(bool& connected) override {
    connected = system_.tetheringAnswer.outcome != TetheringRun::Outcome::NoConnection;
    return TetheringCallEnd{};
  }
  TetheringCallEnd readSettings(TetheringSettings& settings) override {
    settings = system_.tetheringSettings;
    return TetheringCallEnd{};
  }
  TetheringCallEnd configure(const TetheringSettings& settings) override {
    system_.tetheringRequests.push_back(u"configure " + settings.ssid + u" " + settings.passphrase);
    const TetheringCallEnd end = endOf(TetheringStep::Configure);
    if (end.kind == TetheringCallEnd::Kind::Done) {
      system_.tetheringSettings.ssid = settings.ssid;
      system_.tetheringSettings.passphrase = settings.passphrase;
      if (settings.band) system_.tetheringSettings.band = settings.band;
    }
    return end;
  }
  TetheringCallEnd start(TetheringAnswer& answer) override {
    system_.tetheringRequests.push_back(u"start");
    return answer_(TetheringStep::Start, true, answer);
  }
  TetheringCallEnd stop(TetheringAnswer& answer) override {
    system_.tetheringRequests.push_back(u"stop");
    return answer_(TetheringStep::Stop, false, answer);
  }
  TetheringCallEnd look(TetheringLook& look) override {
    look.state = system_.mobileHotspotOn ? TetheringState::On : TetheringState::Off;
    look.clients = system_.tetheringClients.size();
    return TetheringCallEnd{};
  }
  TetheringCallEnd clients(std::vector<ConnectedDevice>& devices) override {
    devices = system_.tetheringClients;
    return TetheringCallEnd{};
  }
  TetheringCallEnd noConnectionsTimeout(bool& enabled) override {
    enabled = system_.noConnectionsTimeout;
    return TetheringCallEnd{};
  }
  TetheringCallEnd setNoConnectionsTimeout(bool enabled) override {
    system_.tetheringRequests.push_back(enabled ? u"timeout on" : u"timeout off");
    system_.noConnectionsTimeout = enabled;
    return TetheringCallEnd{};
  }

 private:
  TetheringCallEnd endOf(TetheringStep step) const {
    if (system_.tetheringThrowsAt == step) throw std::bad_alloc();
    const TetheringRun& run = system_.tetheringAnswer;
    TetheringCallEnd end;
    if (run.step != step) return end;
    if (run.outcome == TetheringRun::Outcome::CallFailed) end.kind = TetheringCallEnd::Kind::Failed;
    if (run.outcome == TetheringRun::Outcome::TimedOut) end.kind = TetheringCallEnd::Kind::TimedOut;
    end.error = run.error;
    return end;
  }
  TetheringCallEnd answer_(TetheringStep step, bool on, TetheringAnswer& answer) {
    const TetheringRun& run = system_.tetheringAnswer;
    const TetheringCallEnd end = endOf(step);
    if (end.kind != TetheringCallEnd::Kind::Done) return end;
    if (run.step == step) {
      answer.status = run.status;
      answer.additionalMessage = run.additionalMessage;
    }
    if (answer.status == TetheringStatus::Success) system_.mobileHotspotOn = on;
    return end;
  }

  FakeSystem& system_;
};

JobEnd endOfJob(const std::function<void()>& job) {
  try {
    job();
  } catch (const std::bad_alloc&) {
    return JobEnd{JobEnd::Kind::Failed, 0x8007000E};  // E_OUTOFMEMORY
  }
  return JobEnd{};
}

class FakeBackgroundCalls final : public BackgroundCalls {
 public:
  explicit FakeBackgroundCalls(FakeSystem& system) : system_(system), tethering_(system) {}
  std::optional<HostedNetworkStatus> hostedNetworkStatus() override {
    return system_.hostedNetwork;
  }
  TetheringCalls& tethering() override { return tethering_; }

 private:
  FakeSystem& system_;
  PlayedTethering tethering_;
};

}  // namespace

JobEnd FakeSystem::runTetheringJob(std::function<void(TetheringCalls&)> job,
                                   std::chrono::milliseconds) {
  PlayedTethering calls(*this);
  return endOfJob([&] { job(calls); });
}

bool FakeSystem::runInBackground(std::function<void(BackgroundCalls&)> job,
                                 std::function<void()> done) {
  ++backgroundJobs;
  FakeBackgroundCalls calls(*this);
  job(calls);
  if (!windowBusy) done();
  return true;
}

JobEnd FakeSystem::runSharingJob(std::function<void(SharingCalls&)> job) {
  sharingJobsAfter.push_back(launches.size());
  if (sharingTimesOut) return JobEnd{JobEnd::Kind::TimedOut, 0};
  return endOfJob([&] { job(sharing); });
}

std::u16string FakeSystem::systemMessage(std::uint32_t code) {
  return u"（系统对 " + hexadecimal(code, 8) + u" 的说明）";
}

std::size_t FakeSystem::ansiLength(const std::u16string& text) {
  std::size_t bytes = 0;
  for (char16_t c : text) bytes += c < 0x80 ? 1 : 2;
  return bytes;
}

HostedNetworkStatus hostedNetworkIn(HostedNetworkStatus::State state, std::size_t peers) {
  HostedNetworkStatus status;
  status.adapters = 1;
  status.allowed = status.radioOn = true;
  status.state = state;
  status.peers.assign(peers, {0x3C, 0x5A, 0xB4, 0x01, 0x02, 0x03});
  return status;
}

CommandRun exitedWith(std::uint32_t exitCode, const std::u16string& output) {
  CommandRun run;
  run.outcome = CommandRun::Outcome::Exited;
  run.exitCode = exitCode;
  run.output = output;
  return run;
}

}  // namespace vanterel
