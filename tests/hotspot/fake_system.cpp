#include "tests/hotspot/fake_system.h"

#include "hotspot/message_text.h"

namespace vanterel {

CommandRun FakeSystem::runCommand(const std::u16string& commandLine, WindowStyle style,
                                  std::chrono::milliseconds timeout) {
  launches.push_back({commandLine, style, timeout});
  return commandOutcome ? commandOutcome(commandLine) : exitedWith(0);
}

TetheringRun FakeSystem::startMobileHotspot(const std::u16string& ssid,
                                            const std::u16string& passphrase) {
  tetheringRequests.push_back(u"start " + ssid + u" " + passphrase);
  if (tetheringAnswer.outcome == TetheringRun::Outcome::Succeeded) mobileHotspotOn = true;
  return tetheringAnswer;
}

TetheringRun FakeSystem::stopMobileHotspot() {
  tetheringRequests.push_back(u"stop");
  if (tetheringAnswer.outcome == TetheringRun::Outcome::Succeeded) mobileHotspotOn = false;
  return tetheringAnswer;
}

bool FakeSystem::runSharingJob(std::function<void(ConnectionSharing&)> job) {
  sharingJobsAfter.push_back(launches.size());
  if (sharingTimesOut) return false;
  job(sharing);
  return true;
}

std::u16string FakeSystem::systemMessage(std::uint32_t code) {
  return u"（系统对 " + hexadecimal(code, 8) + u" 的说明）";
}

CommandRun exitedWith(std::uint32_t exitCode, const std::u16string& output) {
  CommandRun run;
  run.outcome = CommandRun::Outcome::Exited;
  run.exitCode = exitCode;
  run.output = output;
  return run;
}

}  // namespace vanterel
