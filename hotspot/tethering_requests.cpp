#include "hotspot/tethering_requests.h"

namespace vanterel {
namespace {

TetheringRun ran(TetheringStep step, TetheringRun::Outcome outcome, std::uint32_t error = 0) {
  TetheringRun run;
  run.step = step;
  run.outcome = outcome;
  run.error = error;
  return run;
}

bool isDone(const TetheringCallEnd& end) { return end.kind == TetheringCallEnd::Kind::Done; }

TetheringRun endedAt(TetheringStep step, const TetheringCallEnd& end) {
  const bool late = end.kind == TetheringCallEnd::Kind::TimedOut;
  return ran(step, late ? TetheringRun::Outcome::TimedOut : TetheringRun::Outcome::CallFailed,
             end.error);
}

TetheringRun answered(TetheringStep step, const TetheringAnswer& answer) {
  const bool success = answer.status == TetheringStatus::Success;
  TetheringRun run =
      ran(step, success ? TetheringRun::Outcome::Succeeded : TetheringRun::Outcome::Refused);
  run.status = answer.status;
  run.additionalMessage = answer.additionalMessage;
  return run;
}

}  // namespace

TetheringRun startTethering(TetheringCalls& calls, const std::u16string& ssid,
                            const std::u16string& passphrase, std::atomic<TetheringStep>& step) {
  step = TetheringStep::Start;
  bool connected = false;
  TetheringCallEnd end = calls.openManager(connected);
  if (!isDone(end)) return endedAt(TetheringStep::Start, end);
  if (!connected) return ran(TetheringStep::Start, TetheringRun::Outcome::NoConnection);
  step = TetheringStep::Configure;
  if (!isDone(end = calls.configure(ssid, passphrase)))
    return endedAt(TetheringStep::Configure, end);
  step = TetheringStep::Start;
  TetheringAnswer answer;
  if (!isDone(end = calls.start(answer))) return endedAt(TetheringStep::Start, end);
  return answered(TetheringStep::Start, answer);
}

TetheringRun stopTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step) {
  step = TetheringStep::Stop;
  bool connected = false;
  TetheringCallEnd end = calls.openManager(connected);
  if (!isDone(end)) return endedAt(TetheringStep::Stop, end);
  if (!connected) return ran(TetheringStep::Stop, TetheringRun::Outcome::NoConnection);
  TetheringAnswer answer;
  if (!isDone(end = calls.stop(answer))) return endedAt(TetheringStep::Stop, end);
  return answered(TetheringStep::Stop, answer);
}

bool tetheringIsOn(TetheringCalls& calls) {
  bool connected = false;
  bool on = false;
  return isDone(calls.openManager(connected)) && connected && isDone(calls.isOn(on)) && on;
}

}  // namespace vanterel
