#include "app/password_switch.h"

#include <gtest/gtest.h>

#include "tests/hotspot/fake_main_window.h"
#include "tests/hotspot/fake_system.h"

namespace vanterel {
namespace {

struct SwitchState {
  std::u16string passwordChar;
  std::u16string label;
};

SwitchState stateOf(const FakeMainWindow& form) {
  return {form.passwordChar(Control::Text2), form.caption(Control::Label5)};
}

TEST(PasswordSwitch, AlternatesBetweenClearAndMaskedFromTheMaskedStart) {
  FakeMainWindow form;
  FakeSystem system;
  form.type(Control::Text2, u"a secret of 16 +");
  ASSERT_EQ(form.passwordChar(Control::Text2), u"*");

  const SwitchState expected[] = {{u"", u"隐藏密码"}, {u"*", u"显示密码"}, {u"", u"隐藏密码"}};
  for (const SwitchState& want : expected) {
    Label5_Click(form, system, form.session);
    EXPECT_EQ(stateOf(form).passwordChar, want.passwordChar);
    EXPECT_EQ(stateOf(form).label, want.label);
    EXPECT_EQ(form.text(Control::Text2), u"a secret of 16 +");
  }
  EXPECT_TRUE(form.boxes.empty());
  EXPECT_TRUE(system.launches.empty());
}

TEST(PasswordSwitch, WorksOnAnEmptyAndOnADisabledBox) {
  FakeMainWindow form;
  FakeSystem system;
  Label5_Click(form, system, form.session);
  EXPECT_EQ(form.passwordChar(Control::Text2), u"");
  EXPECT_EQ(form.text(Control::Text2), u"");

  form.setEnabled(Control::Text2, kFalse);
  Label5_Click(form, system, form.session);
  EXPECT_EQ(form.passwordChar(Control::Text2), u"*");
  EXPECT_EQ(form.caption(Control::Label5), u"显示密码");
}

TEST(PasswordSwitch, AnyMaskingCharacterCountsAsMasked) {
  FakeMainWindow form;
  FakeSystem system;
  form.setPasswordChar(Control::Text2, u"●");
  Label5_Click(form, system, form.session);
  EXPECT_EQ(form.passwordChar(Control::Text2), u"");
  EXPECT_EQ(form.caption(Control::Label5), u"隐藏密码");
}

}  // namespace
}  // namespace vanterel
