#include "ui/win32/screen_win32.h"

#include <algorithm>

#include "base/win32/handles_win32.h"

namespace quellon::ui::win32 {

int SystemDpi() {
  const quellon::win32::WindowDC screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  return dpi > 0 ? dpi : 96;
}

void AddFrame(RECT* client, DWORD style, DWORD ex_style, int screen_dpi) {
  using ForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto for_dpi = reinterpret_cast<ForDpi>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
  if (for_dpi && for_dpi(client, style, FALSE, ex_style, static_cast<UINT>(screen_dpi))) return;
  AdjustWindowRectEx(client, style, FALSE, ex_style);
}

RECT WorkAreaUnderPointer() {
  POINT pointer{};
  GetCursorPos(&pointer);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &info))
    return info.rcWork;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

int FittingDpi(int system_dpi, SIZE design, SIZE frame, const RECT& work) {
  if (design.cx <= 0 || design.cy <= 0 || system_dpi <= 96) return system_dpi;
  // The largest DPI at which each side still fits, rounded down so that it really does.
  const long room_x = work.right - work.left - frame.cx;
  const long room_y = work.bottom - work.top - frame.cy;
  const long fits = std::min(room_x * 96 / design.cx, room_y * 96 / design.cy);
  return static_cast<int>(std::clamp<long>(fits, 96, system_dpi));
}

}  // namespace quellon::ui::win32
