#pragma once
// Texts between the model and native windows.

#include <windows.h>

#include <string>
#include <vector>

namespace quellon::ui::win32 {

std::string WindowText(HWND window);
// The model breaks lines with a bare carriage return; native controls want CR LF.
std::string NativeLineBreaks(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace quellon::ui::win32
