#include "app/password_switch.h"

namespace vanterel {

void Label5_Click(MainWindow& form, System&, HotspotSession&) {
  if (!form.passwordChar(Control::Text2).empty()) {
    form.setPasswordChar(Control::Text2, u"");
    form.setCaption(Control::Label5, u"隐藏密码");
  } else {
    form.setPasswordChar(Control::Text2, u"*");
    form.setCaption(Control::Label5, u"显示密码");
  }
}

}  // namespace vanterel
