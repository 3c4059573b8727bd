#include "hotspot/mobile_hotspot.h"

#include <atomic>
#include <functional>
#include <memory>

#include "hotspot/mobile_hotspot_limits.h"
#include "hotspot/tethering_messages.h"
#include "hotspot/tethering_requests.h"

namespace vanterel {
namespace {

// What each request may take on the worker: its awaited calls, one step's
// time each, and the quick calls around them within one more.
constexpr auto kQueryBudget = kTetheringStepTimeout;
constexpr auto kStopBudget = 2 * kTetheringStepTimeout;
constexpr auto kRestartBudget = 2 * kTetheringStepTimeout;
constexpr auto kStartBudget = 3 * kTetheringStepTimeout;
constexpr auto kGiveBackBudget = 3 * kTetheringStepTimeout;

using TetheringRequest = std::function<TetheringRun(TetheringCalls&, std::atomic<TetheringStep>&)>;

// Runs the request, which begins at `firstStep`, on the system's Mobile
// hotspot calls; when it has not ended within the budget, it timed out at
// the step it was on, and when it threw, the call of that step failed.
TetheringRun runTetheringRequest(System& system, std::chrono::seconds budget,
                                 TetheringStep firstStep, const TetheringRequest& request) {
  struct Progress {
    std::atomic<TetheringStep> step;
    TetheringRun run;
  };
  // Shared with the job, which may outlive the wait.
  const auto progress = std::make_shared<Progress>();
  progress->step = firstStep;
  const auto job = [progress, request](TetheringCalls& calls) {
    progress->run = request(calls, progress->step);
  };
  const JobEnd end = system.runTetheringJob(job, budget);
  if (end.kind == JobEnd::Kind::Ended) return progress->run;
  TetheringRun unfinished;
  unfinished.step = progress->step;
  unfinished.outcome = end.kind == JobEnd::Kind::TimedOut ? TetheringRun::Outcome::TimedOut
                                                          : TetheringRun::Outcome::CallFailed;
  unfinished.error = end.error;
  return unfinished;
}

// Shows the error box unless the request succeeded; true when it did.
bool succeededElseShown(MainWindow& form, const TetheringRun& run) {
  if (run.outcome == TetheringRun::Outcome::Succeeded) return true;
  form.msgBox(describeTetheringFailure(run), kOkOnly, u"错误");
  return false;
}

}  // namespace

std::optional<TetheringLook> lookAtMobileHotspot(System& system) {
  const auto looked = std::make_shared<std::optional<TetheringLook>>();
  const JobEnd end = system.runTetheringJob(
      [looked](TetheringCalls& calls) { *looked = lookAtTethering(calls); }, kQueryBudget);
  return end.kind == JobEnd::Kind::Ended ? *looked : std::nullopt;
}

std::optional<std::vector<ConnectedDevice>> mobileHotspotDevices(System& system) {
  const auto devices = std::make_shared<std::optional<std::vector<ConnectedDevice>>>();
  const JobEnd end = system.runTetheringJob(
      [devices](TetheringCalls& calls) { *devices = tetheringClients(calls); }, kQueryBudget);
  return end.kind == JobEnd::Kind::Ended ? *devices : std::nullopt;
}

bool startMobileHotspotInstead(MainWindow& form, System& system, const std::u16string& ssid,
                               const std::u16string& passphrase) {
  const std::u16string refusal = mobileHotspotRefusal(ssid, passphrase);
  if (!refusal.empty()) {
    form.msgBox(refusal, kOkOnly, u"错误");
    return false;
  }
  RecordFile& file = system.recordFile();
  const TetheringRun run = runTetheringRequest(
      system, kStartBudget, TetheringStep::Start,
      [&file, ssid, passphrase](TetheringCalls& calls, std::atomic<TetheringStep>& step) {
        return startTethering(calls, file, ssid, passphrase, step);
      });
  return succeededElseShown(form, run);
}

bool stopMobileHotspot(MainWindow& form, System& system, std::u16string& notice) {
  // One turned off already (elsewhere, or by its own timeout) is stopped.
  const auto look = lookAtMobileHotspot(system);
  const bool alreadyOff = look && look->state == TetheringState::Off;
  if (!alreadyOff &&
      !succeededElseShown(
          form, runTetheringRequest(system, kStopBudget, TetheringStep::Stop, stopTethering))) {
    return false;
  }
  notice = giveMobileHotspotSettingsBack(system);
  return true;
}

std::u16string giveMobileHotspotSettingsBack(System& system) {
  RecordFile& file = system.recordFile();
  const TetheringRun givenBack =
      runTetheringRequest(system, kGiveBackBudget, TetheringStep::Configure,
                          [&file](TetheringCalls& calls, std::atomic<TetheringStep>& step) {
                            return giveSettingsBack(calls, file, step);
                          });
  return settingsBackNotice(givenBack, system.systemMessage(givenBack.error));
}

TetheringRun restartMobileHotspot(System& system) {
  return runTetheringRequest(system, kRestartBudget, TetheringStep::Start, restartTethering);
}

}  // namespace vanterel
