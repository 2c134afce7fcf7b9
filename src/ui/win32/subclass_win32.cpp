#include "ui/win32/subclass_win32.h"

#include <map>

namespace quellon::ui::win32 {
namespace {

struct Subclassed {
  WNDPROC own;
  void* data;
  bool unicode;
};

// Windows belong to the thread that made them: only the user interface's thread comes here.
std::map<HWND, Subclassed>& Registry() {
  static std::map<HWND, Subclassed> windows;
  return windows;
}

}  // namespace

void Subclass(HWND window, WNDPROC proc, void* data) {
  const bool unicode = IsWindowUnicode(window);
  const auto value = reinterpret_cast<LONG_PTR>(proc);
  const LONG_PTR own = unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                               : SetWindowLongPtrA(window, GWLP_WNDPROC, value);
  Registry()[window] = {reinterpret_cast<WNDPROC>(own), data, unicode};
}

void* SubclassData(HWND window) {
  const auto it = Registry().find(window);
  return it == Registry().end() ? nullptr : it->second.data;
}

LRESULT CallOwnProc(HWND window, UINT m, WPARAM wp, LPARAM lp) {
  const auto it = Registry().find(window);
  if (it == Registry().end()) return DefWindowProcW(window, m, wp, lp);
  const Subclassed s = it->second;
  const LRESULT result = s.unicode ? CallWindowProcW(s.own, window, m, wp, lp)
                                   : CallWindowProcA(s.own, window, m, wp, lp);
  if (m == WM_NCDESTROY) Registry().erase(window);
  return result;
}

}  // namespace quellon::ui::win32
