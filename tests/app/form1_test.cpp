#include "app/form1.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "app/password_switch.h"
#include "hotspot/connected_devices.h"
#include "hotspot/start_stop.h"

namespace vanterel {
namespace {

std::u16string textOf(const char16_t* text) { return text == nullptr ? u"(none)" : text; }

TEST(Form1, Window) {
  EXPECT_EQ(textOf(Form1.caption), u"Vanterel");
  EXPECT_EQ(Form1.clientWidth, 4125);
  // The status line's own line below the nine controls: 375 twips more.
  EXPECT_EQ(Form1.clientHeight, 2790);
}

TEST(Form1, ControlsInTabOrderWithTheirPlacesAndTexts) {
  const struct {
    Control name;
    ControlClass kind;
    int left, top, width, height;
    std::u16string text;
  } expected[] = {
      {Control::Text1, ControlClass::TextBox, 1080, 0, 2175, 375, u""},
      {Control::Label1, ControlClass::Label, 240, 120, 855, 375, u"无线名称"},
      {Control::Label2, ControlClass::Label, 240, 600, 735, 495, u"无线密码"},
      {Control::Text2, ControlClass::TextBox, 1080, 480, 2175, 375, u""},
      {Control::Command1, ControlClass::CommandButton, 1440, 1680, 1215, 495, u"一键开启"},
      {Control::Label3, ControlClass::Label, 360, 1080, 3375, 255,
       u"密码要大于16个字符，win7系统要求。"},
      {Control::Label4, ControlClass::Label, 360, 1320, 3495, 255, u"此工具XP下不可用"},
      {Control::Label5, ControlClass::Label, 3360, 600, 735, 255, u"显示密码"},
  };
  ASSERT_EQ(Form1.controls.size(), std::size(expected) + 2);
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    const ControlDescription& control = Form1.controls[i];
    EXPECT_EQ(control.name, expected[i].name);
    EXPECT_EQ(control.kind, expected[i].kind);
    EXPECT_EQ(control.left, expected[i].left);
    EXPECT_EQ(control.top, expected[i].top);
    EXPECT_EQ(control.width, expected[i].width);
    EXPECT_EQ(control.height, expected[i].height);
    EXPECT_EQ(textOf(control.text), expected[i].text);
  }
}

TEST(Form1, WebAddressRunsAlongTheBottomEdge) {
  const ControlDescription& label6 = Form1.controls[8];
  EXPECT_EQ(label6.name, Control::Label6);
  EXPECT_EQ(label6.kind, ControlClass::Label);
  EXPECT_EQ(label6.left, 0);
  EXPECT_EQ(label6.top, 2040);
  EXPECT_EQ(label6.width, 3135);
  EXPECT_EQ(label6.height, 495);
  // Its box reaches 120 twips below the other controls' lines, where the
  // status line's begins.
  EXPECT_EQ(label6.top + label6.height, Form1.controls[9].top);
  const std::u16string address = textOf(label6.text);
  EXPECT_NE(address.find(u'.'), std::u16string::npos) << "a host name";
  EXPECT_EQ(address.find(u' '), std::u16string::npos) << "a host name";
}

TEST(Form1, TheStatusLineHasALineOfItsOwnBelowTheOthers) {
  const ControlDescription& label7 = Form1.controls[9];
  EXPECT_EQ(label7.name, Control::Label7);
  EXPECT_EQ(label7.kind, ControlClass::Label);
  EXPECT_EQ(textOf(label7.text), u"热点未开启");
  for (std::size_t i = 0; i < 9; ++i) {
    const ControlDescription& other = Form1.controls[i];
    EXPECT_LE(other.top + other.height, label7.top) << i;
  }
  EXPECT_EQ(label7.top + label7.height, Form1.clientHeight);
  EXPECT_LE(label7.left + label7.width, Form1.clientWidth);
  EXPECT_LE(Form1.clientHeight - 2415, 480) << "grows by at most 480 twips";
}

TEST(Form1, OnlyThePasswordBoxStartsMasked) {
  for (const ControlDescription& control : Form1.controls) {
    SCOPED_TRACE(static_cast<int>(control.name));
    if (control.name == Control::Text2) {
      EXPECT_EQ(textOf(control.passwordChar), u"*");
    } else if (control.kind == ControlClass::TextBox) {
      EXPECT_EQ(textOf(control.passwordChar), u"");
    } else {
      EXPECT_EQ(control.passwordChar, nullptr);
    }
  }
}

TEST(Form1, TextBoxesUseSongTenAndAHalfPointGb2312) {
  for (const ControlDescription& control : Form1.controls) {
    SCOPED_TRACE(static_cast<int>(control.name));
    if (control.kind != ControlClass::TextBox) {
      EXPECT_EQ(control.font, nullptr) << "labels and the button use the window's font";
      continue;
    }
    ASSERT_NE(control.font, nullptr);
    EXPECT_EQ(textOf(control.font->face), u"宋体");
    EXPECT_EQ(control.font->tenthsOfPoint, 105);
    EXPECT_EQ(control.font->charset, 134);
    EXPECT_EQ(control.font->weight, 400);
  }
}

TEST(Form1, OnlyTheButtonTheSwitchAndTheStatusLineHaveClickHandlers) {
  for (const ControlDescription& control : Form1.controls) {
    SCOPED_TRACE(static_cast<int>(control.name));
    if (control.name == Control::Command1) {
      EXPECT_EQ(control.click, &Command1_Click);
    } else if (control.name == Control::Label5) {
      EXPECT_EQ(control.click, &Label5_Click);
    } else if (control.name == Control::Label7) {
      EXPECT_EQ(control.click, &Label7_Click);
    } else {
      EXPECT_EQ(control.click, nullptr);
    }
  }
}

TEST(TwipsToPixels, FifteenTwipsAPixelAt96AndScaledRoundedToNearest) {
  const struct {
    int twips, dpi, pixels;
  } cases[] = {
      {0, 96, 0},       {15, 96, 1},      {7, 96, 0},       {8, 96, 1},       {1440, 96, 96},
      {1440, 120, 120}, {1440, 144, 144}, {4125, 96, 275},  {2415, 96, 161},  {4125, 120, 344},
      {4125, 144, 413}, {375, 120, 31},   {2175, 144, 218}, {2415, 144, 242}, {3495, 120, 291},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  }
}

}  // namespace
}  // namespace vanterel
