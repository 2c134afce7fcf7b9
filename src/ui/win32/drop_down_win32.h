#pragma once
// The open list of a drop-down box: as wide as its longest item needs, so that long device names
// show whole, while the closed box keeps its place in the layout.

#include <windows.h>

namespace quellon::ui::win32 {

// `list_height` is the height the open list gets, which decides whether it needs a scroll bar.
void FitDroppedWidth(HWND box, int list_height);

}  // namespace quellon::ui::win32
