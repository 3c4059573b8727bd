#pragma once

#include <string>
#include <vector>

#include "hotspot/hotspot_look.h"
#include "hotspot/hotspot_session.h"
#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

// A MAC address as Windows writes it, 3C-5A-B4-01-02-03, from any text that
// holds its twelve hexadecimal digits; other texts as they are.
std::u16string macText(const std::u16string& address);

// One line a device: its MAC address, then its IPv4 address and its name
// where they are known; a sentence of its own when there is none.
std::u16string devicesText(const std::vector<ConnectedDevice>& devices);

// The status line: while the window runs, a click shows the devices
// connected to its hotspot in a box titled "已连接的设备"; idle, nothing.
void Label7_Click(MainWindow& form, System& system, HotspotSession& session);

}  // namespace vanterel
