// The window moved to a monitor of another scale (per-monitor DPI awareness): it is laid out anew
// at that monitor's DPI, exactly as a start there would lay it out, at the place the system
// suggests.

#include <windows.h>

#include <memory>
#include <utility>

#include "ui/win32/mirror_win32.h"
#include "ui/win32/screen_win32.h"

namespace quellon::ui::win32 {

void Win32Mirror::ChangeDpi(int screen_dpi, const RECT& suggested) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &monitor))
    work_area_ = monitor.rcWork;
  const int dpi = DpiFor(screen_dpi, work_area_);
  if (dpi == dpi_ && screen_dpi == screen_dpi_) return;
  screen_dpi_ = screen_dpi;
  dpi_ = dpi;
  // The old fonts stay selected into the controls until each has its new one.
  auto old_fonts = std::exchange(fonts_, std::make_unique<FontSet>(dpi_));
  SendMessageA(form_window_, WM_SETREDRAW, FALSE, 0);
  ++updating_;
  for (auto& [control, native] : natives_) {
    auto& c = *const_cast<Control*>(control);
    ApplyFont(c, native);
    ApplyBounds(c, native);
  }
  --updating_;
  SetWindowPos(form_window_, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(form_window_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(form_window_, nullptr, nullptr,
               RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace quellon::ui::win32
