#pragma once

#include <cstdint>
#include <string>

namespace vanterel {

// The parts of a request to Windows' Mobile hotspot the user is told about.
enum class TetheringStep {
  Configure,  // setting the name and passphrase
  Start,      // finding the connection to share and turning the hotspot on
  Stop,       // turning it off
};

// Windows.Networking.NetworkOperators.TetheringOperationStatus, as documented.
enum class TetheringStatus : std::int32_t {
  Success = 0,
  Unknown = 1,
  MobileBroadbandDeviceOff = 2,
  WiFiDeviceOff = 3,
  EntitlementCheckTimeout = 4,
  EntitlementCheckFailure = 5,
  OperationInProgress = 6,
  BluetoothDeviceOff = 7,
  NetworkLimitedConnectivity = 8,
};

// How a request to the Mobile hotspot ended, and at which step.
struct TetheringRun {
  enum class Outcome {
    Succeeded,     // the operation reported Success
    NoConnection,  // no connection to the internet to share
    Refused,       // the operation completed with another status
    CallFailed,    // a call failed; error is its HRESULT
    TimedOut,      // the step had not completed in time and was abandoned
  };

  Outcome outcome = Outcome::Succeeded;
  TetheringStep step = TetheringStep::Start;
  TetheringStatus status = TetheringStatus::Success;
  std::u16string additionalMessage;  // what Windows adds to a status, if anything
  std::uint32_t error = 0;
};

}  // namespace vanterel
