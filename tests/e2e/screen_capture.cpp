#include "tests/e2e/screen_capture.h"

#include "tests/e2e/netsh_files.h"

namespace vanterel::e2e {
namespace {

template <typename T>
void appendBytes(std::string& out, const T& value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

ScreenImage captureScreen(const RECT& area) {
  ScreenImage image;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return image;

  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return image;
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory != nullptr && bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
      GdiFlush();
      const auto* pixels = static_cast<const std::uint32_t*>(bits);
      image.width = width;
      image.height = height;
      image.pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * height);
      for (std::uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFF;
    }
    SelectObject(memory, previous);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

bool saveBitmap(const ScreenImage& image, const std::wstring& path) {
  if (image.pixels.empty()) return false;
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);

  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = image.width;
  header.biHeight = -image.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = pixelBytes;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + pixelBytes;

  std::string content;
  appendBytes(content, file);
  appendBytes(content, header);
  for (int y = 0; y < image.height; ++y) {
    const std::size_t rowStart = content.size();
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t pixel = image.pixels[static_cast<std::size_t>(y) * image.width + x];
      content += static_cast<char>(pixel & 0xFF);
      content += static_cast<char>((pixel >> 8) & 0xFF);
      content += static_cast<char>((pixel >> 16) & 0xFF);
    }
    content.append(rowBytes - (content.size() - rowStart), '\0');
  }
  return writeWholeFile(path, content);
}

}  // namespace vanterel::e2e
