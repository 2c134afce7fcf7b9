// Hints: one tooltip control for the window, with a tool for each control that has a hint. The
// tool is the control's area in its parent window, not the control's window: a disabled control
// gets no pointer messages, its parent does, and the parent relays them to the tooltip. (Letting
// the tooltip subclass the parent costs a wineserver call at every message the parent gets.)

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include "ui/win32/mirror_win32.h"

namespace quellon::ui::win32 {
namespace {

TTTOOLINFOA ToolOf(HWND window) {
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = GetParent(window);
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  GetWindowRect(window, &tool.rect);
  MapWindowPoints(nullptr, tool.hwnd, reinterpret_cast<POINT*>(&tool.rect), 2);
  return tool;
}

}  // namespace

void Win32Mirror::AddHint(const Control& c, HWND window) {
  if (c.hint().empty()) return;
  if (!tips_) {
    // Owned by the form: it goes when the form's window goes.
    tips_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, form_window_, nullptr, instance_, nullptr);
    if (!tips_) return;
  }
  TTTOOLINFOA tool = ToolOf(window);
  tool.lpszText = const_cast<char*>(c.hint().c_str());  // the tooltip keeps a copy
  SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  hint_parents_.insert(tool.hwnd);
}

// The pointer's messages that the tooltip would hear by subclassing the tool's window.
void Win32Mirror::RelayToHint(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      break;
    default:
      return;
  }
  if (!tips_ || !IsWindow(tips_) || !hint_parents_.count(w)) return;
  MSG msg{};
  msg.hwnd = w;
  msg.message = m;
  msg.wParam = wp;
  msg.lParam = lp;
  SendMessageA(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void Win32Mirror::PlaceHint(HWND window) {
  if (!tips_) return;
  TTTOOLINFOA tool = ToolOf(window);
  SendMessageA(tips_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace quellon::ui::win32
