#pragma once

#include <cstddef>
#include <string>

#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// The most bytes a network name may take on the air.
constexpr std::size_t kMaxSsidBytes = 32;

// Letters, digits, space and punctuation of ASCII only.
bool isPrintableAscii(const std::u16string& text);

// Whether the name goes on as the user typed it: Windows sends a name in
// the system's code page (GBK on a Chinese system), and phones, which read
// names as UTF-8, show anything but printable ASCII garbled. Asks the user
// first, before anything is launched, where it will not; false when the
// user keeps it from going on, the focus then back in the name box. A name
// too long to send is refused with a message.
bool nameMayGoOn(MainWindow& form, System& system, const std::u16string& networkName);

}  // namespace vanterel
