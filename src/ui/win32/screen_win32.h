#pragma once
// The screen the window lands on: the system's DPI, the work area of the monitor under the pointer
// and the DPI at which a window of a given design size fits that area.

#include <windows.h>

namespace quellon::ui::win32 {

int SystemDpi();

// The work area (the monitor less its task bars) of the monitor that holds the pointer.
RECT WorkAreaUnderPointer();

// The DPI for a window whose client area is `design` pixels at 96 DPI and whose frame adds
// `frame`: the system's DPI, or less where the window would not fit `work` at it, but never less
// than 96, below which texts shrink under their design size.
int FittingDpi(int system_dpi, SIZE design, SIZE frame, const RECT& work);

}  // namespace quellon::ui::win32
