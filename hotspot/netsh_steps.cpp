#include "hotspot/netsh_steps.h"

#include <string>

#include "hotspot/driver_report.h"
#include "hotspot/hosted_network_support.h"
#include "hotspot/step_failure.h"

namespace vanterel {
namespace {

CommandRun run(System& system, const Step& step) {
  return system.runCommand(step.commandLine, step.style, kStepTimeout);
}

// Why the network could not start: wlanapi's answers, whatever language and
// code page netsh writes in; where wlanapi cannot be asked, what the drivers
// say, read whatever the exit code: the texts looked for are unmistakable,
// and netsh may well report an absent adapter as a failure.
HostedNetworkSupport hostedNetworkSupport(System& system) {
  if (const auto status = system.hostedNetworkStatus()) return supportOf(*status);
  const CommandRun drivers = run(system, showDriversStep());
  return drivers.outcome == CommandRun::Outcome::Exited ? readShowDrivers(drivers.output)
                                                        : HostedNetworkSupport::Unknown;
}

}  // namespace

StepsEnd runSteps(MainWindow& form, System& system, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    const CommandRun outcome = run(system, step);
    if (succeeded(outcome)) continue;
    std::u16string message = describeFailure(step, outcome);
    if (step.mobileHotspotMayFollow) {
      const HostedNetworkSupport support = hostedNetworkSupport(system);
      if (support == HostedNetworkSupport::Unsupported && system.hasMobileHotspot()) {
        return StepsEnd::MobileHotspotInstead;
      }
      const std::u16string advice = adviceFor(support);
      if (!advice.empty()) message += u"\r\n\r\n" + advice;
    }
    form.msgBox(message, kOkOnly, u"错误");
    return StepsEnd::Failed;
  }
  return StepsEnd::Succeeded;
}

}  // namespace vanterel
