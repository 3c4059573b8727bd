#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vanterel::e2e {

// What the screen shows in a rectangle, as 0x00RRGGBB pixels row by row
// from the top; empty when it cannot be read.
struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

ScreenImage captureScreen(const RECT& area);

// Writes the image as a 24-bit BMP file.
bool saveBitmap(const ScreenImage& image, const std::wstring& path);

}  // namespace vanterel::e2e
