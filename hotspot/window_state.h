#pragma once

#include "hotspot/main_window.h"

namespace vanterel {

// The window's two states, told apart by its boxes: idle (both enabled,
// "一键开启") and running (both disabled, "关闭无线").
bool bothEnabledAre(const MainWindow& form, int value);
void switchToRunning(MainWindow& form);
void switchToIdle(MainWindow& form);

}  // namespace vanterel
