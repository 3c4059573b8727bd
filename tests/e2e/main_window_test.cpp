#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/driver_settings.h"
#include "tests/e2e/font_probe.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/vanterel_test.h"

namespace vanterel::e2e {
namespace {

using MainWindow = VanterelTest;

// Twips to pixels at the prefix's DPI, rounded as the platform rounds.
int pixels(int twips) { return MulDiv(twips, driverSettings().dpi, 1440); }

struct Placement {
  const char* name;
  Control id;
  const wchar_t* windowClass;
  int left, top, width, height;  // twips, relative to the client area
};

constexpr Placement kPlacements[] = {
    {"Text1", Control::Text1, L"Edit", 1080, 0, 2175, 375},
    {"Label1", Control::Label1, L"Static", 240, 120, 855, 375},
    {"Label2", Control::Label2, L"Static", 240, 600, 735, 495},
    {"Text2", Control::Text2, L"Edit", 1080, 480, 2175, 375},
    {"Command1", Control::Command1, L"Button", 1440, 1680, 1215, 495},
    {"Label3", Control::Label3, L"Static", 360, 1080, 3375, 255},
    {"Label4", Control::Label4, L"Static", 360, 1320, 3495, 255},
    {"Label5", Control::Label5, L"Static", 3360, 600, 735, 255},
    {"Label6", Control::Label6, L"Static", 0, 2040, 3135, 495},
    {"Label7", Control::Label7, L"Static", 240, 2535, 3765, 255},
};

// What the layout comes to at the DPIs the tests run at, worked out by hand
// (rounded to nearest, halves up), so a wrong formula cannot pass unseen.
struct WorkedOut {
  int dpi;
  SIZE client;
  int boxFontPixels;     // Song 10.5 pt
  int windowFontPixels;  // Song 9 pt
};

constexpr WorkedOut kWorkedOut[] = {
    {96, {275, 186}, 14, 12},
    {144, {413, 279}, 21, 18},
};

const WorkedOut* workedOutForThisDpi() {
  for (const WorkedOut& each : kWorkedOut) {
    if (each.dpi == driverSettings().dpi) return &each;
  }
  return nullptr;
}

struct InitialText {
  const char* name;
  Control id;
  const wchar_t* text;
};

constexpr InitialText kInitialTexts[] = {
    {"Text1", Control::Text1, L""},
    {"Label1", Control::Label1, L"无线名称"},
    {"Label2", Control::Label2, L"无线密码"},
    {"Text2", Control::Text2, L""},
    {"Command1", Control::Command1, L"一键开启"},
    {"Label3", Control::Label3, L"密码要大于16个字符，win7系统要求。"},
    {"Label4", Control::Label4, L"此工具XP下不可用"},
    {"Label5", Control::Label5, L"显示密码"},
    {"Label7", Control::Label7, L"热点未开启"},
};

bool sameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

void expectSongFont(HWND control, const char* name, int tenthsOfPoint) {
  const auto font = fontOf(control);
  ASSERT_TRUE(font.has_value()) << name << ": no font";
  EXPECT_EQ(std::wstring(font->lfFaceName), L"宋体") << name;
  EXPECT_EQ(font->lfHeight, -MulDiv(tenthsOfPoint, driverSettings().dpi, 720)) << name;
  EXPECT_EQ(font->lfCharSet, 134) << name;
  EXPECT_EQ(font->lfWeight, 400) << name;
  EXPECT_FALSE(font->lfItalic) << name;
  EXPECT_FALSE(font->lfUnderline) << name;
  EXPECT_FALSE(font->lfStrikeOut) << name;
}

TEST_F(MainWindow, RunsAtThePrefixDpi) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(dpi, driverSettings().dpi);
  EXPECT_NE(workedOutForThisDpi(), nullptr) << "no layout worked out by hand for " << dpi << " DPI";
}

TEST_F(MainWindow, HasItsCaptionAndClientSizeAndOpensCentred) {
  EXPECT_EQ(textOf(window()), L"Vanterel");

  const SIZE client = clientSize(window());
  EXPECT_EQ(client.cx, pixels(4125));
  // The status line's own line below the others.
  EXPECT_EQ(client.cy, pixels(2790));
  if (const WorkedOut* expected = workedOutForThisDpi()) {
    EXPECT_EQ(client.cx, expected->client.cx);
    EXPECT_EQ(client.cy, expected->client.cy);
  }

  const RECT frame = screenRect(window());
  EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
}

TEST_F(MainWindow, PlacesEachControlAtItsTwipRectangle) {
  for (const Placement& expected : kPlacements) {
    HWND control = this->control(expected.id);
    ASSERT_NE(control, nullptr) << expected.name;
    EXPECT_TRUE(sameIgnoringCase(classOf(control), expected.windowClass))
        << expected.name << " is a " << utf8(classOf(control));
    const RECT rect = rectInParent(control);
    EXPECT_EQ(rect.left, pixels(expected.left)) << expected.name;
    EXPECT_EQ(rect.top, pixels(expected.top)) << expected.name;
    EXPECT_EQ(rect.right - rect.left, pixels(expected.width)) << expected.name;
    EXPECT_EQ(rect.bottom - rect.top, pixels(expected.height)) << expected.name;
  }
}

TEST_F(MainWindow, ShowsTheTextsOfItsDescription) {
  for (const InitialText& expected : kInitialTexts) {
    EXPECT_EQ(textOf(control(expected.id)), expected.text) << expected.name;
  }
  // The home page, as plain text.
  EXPECT_EQ(textOf(control(Control::Label6)), L"vanterel.app");
}

TEST_F(MainWindow, StartsIdleWithEveryControlShownAndEnabled) {
  for (const Placement& each : kPlacements) {
    EXPECT_TRUE(IsWindowVisible(control(each.id))) << each.name;
    EXPECT_TRUE(IsWindowEnabled(control(each.id))) << each.name;
  }
  EXPECT_EQ(passwordCharOf(control(Control::Text2)), L'*');
  EXPECT_EQ(passwordCharOf(control(Control::Text1)), L'\0');
  // Neither the default button (Enter) nor bound to Escape.
  const LONG style = GetWindowLongW(control(Control::Command1), GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_NE(GetDlgCtrlID(control(Control::Command1)), IDOK);
  EXPECT_NE(GetDlgCtrlID(control(Control::Command1)), IDCANCEL);
}

TEST_F(MainWindow, TextBoxesUseSong10Point5AndTheRestSong9Point) {
  expectSongFont(control(Control::Text1), "Text1", 105);
  expectSongFont(control(Control::Text2), "Text2", 105);
  for (const Placement& each : kPlacements) {
    if (each.id == Control::Text1 || each.id == Control::Text2) continue;
    expectSongFont(control(each.id), each.name, 90);
  }
  if (const WorkedOut* expected = workedOutForThisDpi()) {
    const auto box = fontOf(control(Control::Text1));
    const auto label = fontOf(control(Control::Label1));
    ASSERT_TRUE(box.has_value() && label.has_value());
    EXPECT_EQ(box->lfHeight, -expected->boxFontPixels);
    EXPECT_EQ(label->lfHeight, -expected->windowFontPixels);
  }
}

}  // namespace
}  // namespace vanterel::e2e
