#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/utf8.h"
#include "tests/e2e/vanterel_test.h"
#include "tests/e2e/window_input.h"

namespace vanterel::e2e {
namespace {

using Labels = VanterelTest;

constexpr Control kAllControls[] = {
    Control::Text1,  Control::Label1, Control::Label2, Control::Text2,  Control::Command1,
    Control::Label3, Control::Label4, Control::Label5, Control::Label6, Control::Label7,
};

// What a click could change: every text, every enabled state, the masking.
struct Snapshot {
  std::vector<std::wstring> texts;
  std::vector<bool> enabled;
  wchar_t passwordChar;

  bool operator==(const Snapshot& other) const {
    return texts == other.texts && enabled == other.enabled && passwordChar == other.passwordChar;
  }
};

Snapshot snapshotOf(HWND window) {
  Snapshot snapshot{{}, {}, passwordCharOf(controlOf(window, Control::Text2))};
  for (Control id : kAllControls) {
    snapshot.texts.push_back(textOf(controlOf(window, id)));
    snapshot.enabled.push_back(IsWindowEnabled(controlOf(window, id)) != FALSE);
  }
  return snapshot;
}

// Both boxes stay empty, so a click that reached Command1's handler would
// show "密码或名称不能为空"; one that reached Label5's would unmask Text2.
// The status line lists the devices only while the hotspot runs.
TEST_F(Labels, ClickingAnyLabelButLabel5DoesNothing) {
  const Snapshot before = snapshotOf(window());
  const std::pair<const char*, Control> labels[] = {
      {"Label1", Control::Label1}, {"Label2", Control::Label2}, {"Label3", Control::Label3},
      {"Label4", Control::Label4}, {"Label6", Control::Label6}, {"Label7", Control::Label7},
  };
  for (const auto& label : labels) {
    clickAt(control(label.second));
    ASSERT_NO_FATAL_FAILURE(settle());
    const auto shown = findMessageBox(window());
    EXPECT_FALSE(shown.has_value())
        << label.first << " showed: " << utf8(shown ? shown->text : L"");
    EXPECT_TRUE(snapshotOf(window()) == before)
        << "clicking " << label.first << " changed the window";
  }
  EXPECT_TRUE(netshInvocations().empty());
}

}  // namespace
}  // namespace vanterel::e2e
