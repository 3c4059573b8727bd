#include "hotspot/tethering_requests.h"

#include "hotspot/program_record.h"

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

// Opens the manager, then makes the one call that answers, a start or a stop.
TetheringRun openThenAnswer(TetheringCalls& calls, TetheringStep made,
                            TetheringCallEnd (TetheringCalls::*call)(TetheringAnswer&),
                            std::atomic<TetheringStep>& step) {
  step = made;
  bool connected = false;
  TetheringCallEnd end = calls.openManager(connected);
  if (!isDone(end)) return endedAt(made, end);
  if (!connected) return ran(made, TetheringRun::Outcome::NoConnection);
  TetheringAnswer answer;
  if (!isDone(end = (calls.*call)(answer))) return endedAt(made, end);
  return answered(made, answer);
}

bool stillGiven(const TetheringRecord& record, const TetheringSettings& now) {
  return now.ssid == record.givenSsid && now.passphrase == record.givenPassphrase;
}

// Keeps the settings found before the first change, across starts: a second
// start must not take the program's own for the user's.
void recordSettingsFound(RecordFile& file, const TetheringSettings& now, const std::u16string& ssid,
                         const std::u16string& passphrase) {
  ProgramRecord record = parseProgramRecord(file.read()).value_or(ProgramRecord{});
  if (!record.tethering || !stillGiven(*record.tethering, now)) {
    record.tethering = TetheringRecord{now, u"", u""};
  }
  record.tethering->givenSsid = ssid;
  record.tethering->givenPassphrase = passphrase;
  keepProgramRecord(file, record);
}

void forgetSettings(RecordFile& file, ProgramRecord record) {
  record.tethering.reset();
  keepProgramRecord(file, record);
}

// The hotspot stays on while the program's runs without a device, until its
// stop: the no-connections timeout goes off for as long, where it is on.
void keepOnWithoutDevices(TetheringCalls& calls, RecordFile& file) {
  bool enabled = false;
  if (!isDone(calls.noConnectionsTimeout(enabled)) || !enabled) return;
  if (!isDone(calls.setNoConnectionsTimeout(false))) return;
  ProgramRecord record = parseProgramRecord(file.read()).value_or(ProgramRecord{});
  if (!record.tethering) return;
  record.tethering->timeoutTurnedOff = true;
  keepProgramRecord(file, record);
}

// After a start that failed: the settings found, quietly; the record keeps
// them for the stop to try again when that fails too.
void undoConfiguration(TetheringCalls& calls, RecordFile& file) {
  const auto record = parseProgramRecord(file.read());
  if (record && record->tethering && isDone(calls.configure(record->tethering->found))) {
    forgetSettings(file, *record);
  }
}

}  // namespace

TetheringRun startTethering(TetheringCalls& calls, RecordFile& file, const std::u16string& ssid,
                            const std::u16string& passphrase, std::atomic<TetheringStep>& step) {
  step = TetheringStep::Start;
  bool connected = false;
  TetheringCallEnd end = calls.openManager(connected);
  if (!isDone(end)) return endedAt(TetheringStep::Start, end);
  if (!connected) return ran(TetheringStep::Start, TetheringRun::Outcome::NoConnection);
  step = TetheringStep::Configure;
  TetheringSettings now;
  if (!isDone(end = calls.readSettings(now))) return endedAt(TetheringStep::Configure, end);
  recordSettingsFound(file, now, ssid, passphrase);
  if (!isDone(end = calls.configure({ssid, passphrase, std::nullopt}))) {
    undoConfiguration(calls, file);
    return endedAt(TetheringStep::Configure, end);
  }
  step = TetheringStep::Start;
  TetheringAnswer answer;
  end = calls.start(answer);
  // A start still under way may yet succeed: the stop gives the settings back.
  if (end.kind == TetheringCallEnd::Kind::TimedOut) return endedAt(TetheringStep::Start, end);
  const TetheringRun run =
      isDone(end) ? answered(TetheringStep::Start, answer) : endedAt(TetheringStep::Start, end);
  if (run.outcome != TetheringRun::Outcome::Succeeded) {
    undoConfiguration(calls, file);
  } else {
    keepOnWithoutDevices(calls, file);
  }
  return run;
}

TetheringRun restartTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step) {
  return openThenAnswer(calls, TetheringStep::Start, &TetheringCalls::start, step);
}

TetheringRun giveSettingsBack(TetheringCalls& calls, RecordFile& file,
                              std::atomic<TetheringStep>& step) {
  step = TetheringStep::Configure;
  const auto record = parseProgramRecord(file.read());
  if (!record || !record->tethering) return ran(step, TetheringRun::Outcome::Succeeded);
  bool connected = false;
  TetheringCallEnd end = calls.openManager(connected);
  TetheringSettings now;
  if (isDone(end) && connected) end = calls.readSettings(now);
  // Settings the user has made anew since stay as they are.
  if (isDone(end) && connected && stillGiven(*record->tethering, now)) {
    end = calls.configure(record->tethering->found);
  }
  if (isDone(end) && connected && record->tethering->timeoutTurnedOff) {
    end = calls.setNoConnectionsTimeout(true);
  }
  // Told or not, they are forgotten: a later stop could only try the same.
  forgetSettings(file, *record);
  if (!isDone(end)) return endedAt(TetheringStep::Configure, end);
  if (!connected) return ran(TetheringStep::Configure, TetheringRun::Outcome::NoConnection);
  return ran(TetheringStep::Configure, TetheringRun::Outcome::Succeeded);
}

TetheringRun stopTethering(TetheringCalls& calls, std::atomic<TetheringStep>& step) {
  return openThenAnswer(calls, TetheringStep::Stop, &TetheringCalls::stop, step);
}

std::optional<TetheringLook> lookAtTethering(TetheringCalls& calls) {
  bool connected = false;
  TetheringLook look;
  if (!isDone(calls.openManager(connected))) return std::nullopt;
  // Without a connection to share there is no Mobile hotspot.
  if (!connected) {
    look.state = TetheringState::Off;
    return look;
  }
  if (!isDone(calls.look(look))) return std::nullopt;
  return look;
}

std::optional<std::vector<ConnectedDevice>> tetheringClients(TetheringCalls& calls) {
  bool connected = false;
  std::vector<ConnectedDevice> devices;
  if (!isDone(calls.openManager(connected))) return std::nullopt;
  if (connected && !isDone(calls.clients(devices))) return std::nullopt;
  return devices;
}

}  // namespace vanterel
