#include "hotspot/window_state.h"

namespace vanterel {

bool bothEnabledAre(const MainWindow& form, int value) {
  return form.enabled(Control::Text1) == value && form.enabled(Control::Text2) == value;
}

void switchToRunning(MainWindow& form) {
  form.setCaption(Control::Command1, u"关闭无线");
  form.setEnabled(Control::Text1, kFalse);
  form.setEnabled(Control::Text2, kFalse);
}

void switchToIdle(MainWindow& form) {
  form.setCaption(Control::Command1, u"一键开启");
  form.setEnabled(Control::Text1, kTrue);
  form.setEnabled(Control::Text2, kTrue);
}

}  // namespace vanterel
