#pragma once
// What a window shows, read back from the screen: its pixels for comparison, and pictures of a
// part of it as BMP files.

#include <windows.h>

#include <string>
#include <vector>

namespace quellon::testing {

// The client area, row by row.
std::vector<COLORREF> WindowPixels(HWND window);

// The part `area` of the window's client area as a 24-bit BMP file.
void SavePicture(HWND window, const RECT& area, const std::string& path);

}  // namespace quellon::testing
