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
constexpr auto kStateQueryBudget = kTetheringStepTimeout;
constexpr auto kStopBudget = 2 * kTetheringStepTimeout;
constexpr auto kStartBudget = 3 * kTetheringStepTimeout;
constexpr auto kGiveBackBudget = 2 * kTetheringStepTimeout;

using TetheringRequest = std::function<TetheringRun(TetheringCalls&, std::atomic<TetheringStep>&)>;

// Runs the request on the system's Mobile hotspot calls; when it has not
// ended within the budget, it timed out at the step it was on.
TetheringRun runTetheringRequest(System& system, std::chrono::seconds budget,
                                 const TetheringRequest& request) {
  struct Progress {
    std::atomic<TetheringStep> step{TetheringStep::Start};
    TetheringRun run;
  };
  // Shared with the job, which may outlive the wait.
  const auto progress = std::make_shared<Progress>();
  const auto job = [progress, request](TetheringCalls& calls) {
    progress->run = request(calls, progress->step);
  };
  if (!system.runTetheringJob(job, budget)) {
    TetheringRun late;
    late.step = progress->step;
    late.outcome = TetheringRun::Outcome::TimedOut;
    return late;
  }
  return progress->run;
}

// Shows the error box unless the request succeeded; true when it did.
bool succeededElseShown(MainWindow& form, const TetheringRun& run) {
  if (run.outcome == TetheringRun::Outcome::Succeeded) return true;
  form.msgBox(describeTetheringFailure(run), kOkOnly, u"错误");
  return false;
}

}  // namespace

bool mobileHotspotIsOn(System& system) {
  const auto on = std::make_shared<std::atomic<bool>>(false);
  const bool ended = system.runTetheringJob(
      [on](TetheringCalls& calls) { *on = tetheringIsOn(calls); }, kStateQueryBudget);
  return ended && *on;
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
      system, kStartBudget,
      [&file, ssid, passphrase](TetheringCalls& calls, std::atomic<TetheringStep>& step) {
        return startTethering(calls, file, ssid, passphrase, step);
      });
  return succeededElseShown(form, run);
}

bool stopMobileHotspot(MainWindow& form, System& system, std::u16string& notice) {
  if (!succeededElseShown(form, runTetheringRequest(system, kStopBudget, stopTethering))) {
    return false;
  }
  RecordFile& file = system.recordFile();
  const TetheringRun givenBack = runTetheringRequest(
      system, kGiveBackBudget, [&file](TetheringCalls& calls, std::atomic<TetheringStep>& step) {
        return giveSettingsBack(calls, file, step);
      });
  notice = settingsBackNotice(givenBack, system.systemMessage(givenBack.error));
  return true;
}

}  // namespace vanterel
