#pragma once
// A window procedure run in front of a window's own. comctl32's subclassing keeps its data in a
// window property that it looks up at every message, which under Wine is a call to the server
// each time; this keeps the data in the process. As with comctl32's, the procedure gets the
// messages in the window's own character set and runs until the window is destroyed.

#include <windows.h>

namespace quellon::ui::win32 {

void Subclass(HWND window, WNDPROC proc, void* data);
// What Subclass was given for the window; nothing for a window that is not subclassed.
void* SubclassData(HWND window);
// Runs the window's own procedure; after WM_NCDESTROY the window is forgotten.
LRESULT CallOwnProc(HWND window, UINT m, WPARAM wp, LPARAM lp);

}  // namespace quellon::ui::win32
