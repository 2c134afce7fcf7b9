#pragma once
// The screen the window lands on: the system's DPI, the work area of the monitor under the pointer
// and the DPI at which a window of a given design size fits that area.

#include <windows.h>

namespace quellon::ui::win32 {

int SystemDpi();

// Grows `client` by the frame a window of these styles has on a monitor of `screen_dpi`: systems
// that scale frames per monitor (Windows 10 1607 and later) say how, older ones have one frame.
void AddFrame(RECT* client, DWORD style, DWORD ex_style, int screen_dpi);

// The work area (the monitor less its task bars) of the monitor that holds the pointer.
RECT WorkAreaUnderPointer();

// The DPI for a window whose client area is `design` pixels at 96 DPI and whose frame adds
// `frame`: the system's DPI, or less where the window would not fit `work` at it, but never less
// than 96, below which texts shrink under their design size.
int FittingDpi(int system_dpi, SIZE design, SIZE frame, const RECT& work);

}  // namespace quellon::ui::win32
