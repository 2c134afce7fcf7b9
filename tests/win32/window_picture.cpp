#include "window_picture.h"

#include <fstream>

#include "base/win32/handles_win32.h"

namespace quellon::testing {

std::vector<COLORREF> WindowPixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const win32::WindowDC dc(window);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
  return pixels;
}

void SavePicture(HWND window, const RECT& area, const std::string& path) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> rows(static_cast<size_t>(stride) * static_cast<size_t>(height));
  const win32::WindowDC dc(window);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = GetPixel(dc.get(), area.left + x, area.top + y);
      // Bottom-up rows of blue, green, red.
      char* at = &rows[static_cast<size_t>((height - 1 - y) * stride + x * 3)];
      at[0] = static_cast<char>(GetBValue(c));
      at[1] = static_cast<char>(GetGValue(c));
      at[2] = static_cast<char>(GetRValue(c));
    }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + rows.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(rows.data(), static_cast<std::streamsize>(rows.size()));
}

}  // namespace quellon::testing
