#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <thread>

#include "tests/e2e/driver_settings.h"
#include "tests/e2e/screen_capture.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/vanterel_test.h"

namespace vanterel::e2e {
namespace {

using Screenshot = VanterelTest;

// Saves the freshly opened window, frame included, for people to look at;
// the test run turns it into a PNG beside the work files.
TEST_F(Screenshot, SavesTheFreshlyOpenedWindow) {
  ASSERT_TRUE(
      waitUntil([&] { return focusIn(window()) == control(Control::Text1); }, kInputTimeout));
  ASSERT_NO_FATAL_FAILURE(settle());
  // Wine hands finished drawing to the X server a moment later.
  std::this_thread::sleep_for(500ms);

  const ScreenImage image = captureScreen(screenRect(window()));
  ASSERT_FALSE(image.pixels.empty()) << "the screen could not be read";
  const std::set<std::uint32_t> colours(image.pixels.begin(), image.pixels.end());
  EXPECT_GT(colours.size(), 4u) << "the window looks blank";

  const std::wstring path = driverSettings().workFolder + L"\\vanterel-window.bmp";
  ASSERT_TRUE(saveBitmap(image, path)) << utf8(path);
}

}  // namespace
}  // namespace vanterel::e2e
