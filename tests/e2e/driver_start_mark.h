#pragma once

namespace vanterel::e2e {

// Leaves the file driver-started in the work folder (VANTEREL_E2E_WORK), the
// driver's first act: run-driver.sh tells by it a driver that ran and
// failed from a start that Wine refused before the driver could run.
void markDriverStarted();

}  // namespace vanterel::e2e
