// Focus cues: a check box without a caption shows its focus as a rectangle around the box, as a
// captioned one does around its caption; both follow the system's keyboard-cue setting, which may
// hide focus rectangles until the keyboard is first used to move the focus.

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include "base/win32/handles_win32.h"
#include "ui/win32/mirror_win32.h"

namespace quellon::ui::win32 {

bool Win32Mirror::DrawsFocusCue(const Control& c) {
  return c.kind() == ControlKind::CheckBox && c.caption().empty();
}

void Win32Mirror::PaintFocusCue(HWND window) {
  if (GetFocus() != window) return;
  // The window's state, which the system hands down to every control of it.
  if (SendMessageA(GetAncestor(window, GA_ROOT), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
  const quellon::win32::WindowDC dc(window);
  if (!dc) return;
  RECT area{};
  GetClientRect(window, &area);
  DrawFocusRect(dc.get(), &area);
}

void Win32Mirror::ShowKeyboardCues() {
  SendMessageA(form_window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace quellon::ui::win32
