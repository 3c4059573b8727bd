#include "app/form1.h"

#include "app/password_switch.h"
#include "hotspot/connected_devices.h"
#include "hotspot/start_stop.h"

namespace vanterel {
namespace {

// Change here when the project's home page moves. Short enough to end left
// of the button, which overlaps Label6's box.
constexpr const char16_t* kHomePage = u"vanterel.app";

// Song 10.5 pt, GB2312, regular: what the text boxes of such a window use.
constexpr FontDescription kBoxFont{u"宋体", 105, 134, 400};
// Song 9 pt: how labels and buttons look on a Chinese system.
constexpr FontDescription kWindowFont{u"宋体", 90, 134, 400};

}  // namespace

// The status line takes a line of its own below the others, under the box
// of Label6, which reaches 120 twips below where the controls end.
const FormDescription Form1{
    u"Vanterel",
    4125,
    2790,
    &kWindowFont,
    {{
        {Control::Text1, ControlClass::TextBox, 1080, 0, 2175, 375, u"", &kBoxFont, u"", nullptr},
        {Control::Label1, ControlClass::Label, 240, 120, 855, 375, u"无线名称", nullptr, nullptr,
         nullptr},
        {Control::Label2, ControlClass::Label, 240, 600, 735, 495, u"无线密码", nullptr, nullptr,
         nullptr},
        {Control::Text2, ControlClass::TextBox, 1080, 480, 2175, 375, u"", &kBoxFont, u"*",
         nullptr},
        {Control::Command1, ControlClass::CommandButton, 1440, 1680, 1215, 495, u"一键开启",
         nullptr, nullptr, Command1_Click},
        {Control::Label3, ControlClass::Label, 360, 1080, 3375, 255,
         u"密码要大于16个字符，win7系统要求。", nullptr, nullptr, nullptr},
        {Control::Label4, ControlClass::Label, 360, 1320, 3495, 255, u"此工具XP下不可用", nullptr,
         nullptr, nullptr},
        {Control::Label5, ControlClass::Label, 3360, 600, 735, 255, u"显示密码", nullptr, nullptr,
         Label5_Click},
        {Control::Label6, ControlClass::Label, 0, 2040, 3135, 495, kHomePage, nullptr, nullptr,
         nullptr},
        {Control::Label7, ControlClass::Label, 240, 2535, 3765, 255, u"热点未开启", nullptr,
         nullptr, Label7_Click},
    }},
};

int twipsToPixels(int twips, int dpi) {
  // Rounded to nearest, as MulDiv does.
  const long long scaled = static_cast<long long>(twips) * dpi;
  return static_cast<int>((scaled + 720) / 1440);
}

}  // namespace vanterel
