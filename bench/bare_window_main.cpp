// The floor for quellon.exe's start-up: a program with the same resources (manifest, icon,
// version), the same COM apartment and common controls, that shows one empty window with the
// main window's frame and client size and then waits for messages. bench/run-startup times both.

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include "app/res/resource_ids.h"
#include "base/win32/handles_win32.h"

namespace {

constexpr char kClass[] = "QuellonBareWindow";

LRESULT CALLBACK BareProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(w, m, wp, lp);
}

HWND CreateBareWindow(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &BareProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIconId));
  wc.lpszClassName = kClass;
  if (!RegisterClassExA(&wc)) return nullptr;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, 800, 600};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_CONTROLPARENT);
  const int w = outer.right - outer.left;
  const int h = outer.bottom - outer.top;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return CreateWindowExA(
      WS_EX_CONTROLPARENT, kClass, "Quellon", style, work.left + (work.right - work.left - w) / 2,
      work.top + (work.bottom - work.top - h) / 2, w, h, nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  const quellon::win32::ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  int code = 1;
  if (const HWND window = CreateBareWindow(instance)) {
    ShowWindow(window, show);
    UpdateWindow(window);
    SetForegroundWindow(window);
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    code = static_cast<int>(msg.wParam);
  }
  return code;
}
