// Keyboard navigation as in a dialog: Tab and Shift+Tab walk every control that can take the focus
// in the model's order; the arrow keys move between neighbouring buttons and check boxes. Controls
// that want these keys themselves (edits, sliders, lists, the tab strip) keep them. Ctrl+Tab and
// Ctrl+PageDown turn the pages as in a property sheet. A key that moves the focus shows the focus
// rectangles, where the system hides them until the keyboard is used.

#include <vector>

#include "ui/win32/mirror_win32.h"

namespace quellon::ui::win32 {
namespace {

void CollectFocusable(Control& c, std::vector<Control*>* out) {
  if (c.kind() != ControlKind::Form && c.CanTakeFocus()) out->push_back(&c);
  for (Control* child : c.children()) CollectFocusable(*child, out);
}

Control* Neighbour(const std::vector<Control*>& order, Control* from, bool forward) {
  if (order.empty()) return nullptr;
  const int n = static_cast<int>(order.size());
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (order[static_cast<size_t>(i)] == from) at = i;
  if (at < 0) return order[forward ? 0 : static_cast<size_t>(n - 1)];
  return order[static_cast<size_t>((at + (forward ? 1 : n - 1)) % n)];
}

}  // namespace

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the form's tab strip, wherever the focus is.
bool Win32Mirror::TurnPage(bool forward) {
  TabControl* tabs = nullptr;
  for (Control* child : form_.children())
    if (!tabs && child->kind() == ControlKind::TabControl) tabs = static_cast<TabControl*>(child);
  if (!tabs || tabs->tabs().empty() || !tabs->EnabledInTree()) return false;
  const int n = static_cast<int>(tabs->tabs().size());
  const int to = (tabs->tab_index() + (forward ? 1 : n - 1)) % n;
  Dispatch([tabs, to] { tabs->Select(to); });
  return true;
}

bool Win32Mirror::Navigate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  const bool tab = msg.wParam == VK_TAB;
  const bool arrow = msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT || msg.wParam == VK_UP ||
                     msg.wParam == VK_DOWN;
  const bool page_key = msg.wParam == VK_NEXT || msg.wParam == VK_PRIOR;
  if (!tab && !arrow && !page_key) return false;
  Control* from = ControlOf(msg.hwnd);
  if (!from) return false;
  ShowKeyboardCues();
  // Ctrl+PageDown and Ctrl+PageUp come before a slider's or a list's own use of the keys.
  if (GetKeyState(VK_CONTROL) < 0) {
    if (tab) return TurnPage(GetKeyState(VK_SHIFT) >= 0);
    if (page_key) return TurnPage(msg.wParam == VK_NEXT);
  }
  if (page_key || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  MSG copy = msg;
  const LRESULT wants =
      SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
  if (wants & DLGC_WANTALLKEYS) return false;
  if (tab && (wants & DLGC_WANTTAB)) return false;
  if (arrow && (wants & DLGC_WANTARROWS)) return false;

  std::vector<Control*> order;
  CollectFocusable(arrow && from->parent() ? *from->parent() : form_, &order);
  const bool forward =
      tab ? GetKeyState(VK_SHIFT) >= 0 : (msg.wParam == VK_RIGHT || msg.wParam == VK_DOWN);
  Control* to = Neighbour(order, from, forward);
  const HWND window = to ? WindowOf(*to) : nullptr;
  if (!window || to == from) return arrow;
  ::SetFocus(window);
  // Tabbing into a text selects all of it, so the first key typed replaces it.
  if (tab && to->kind() == ControlKind::Edit) SendMessageA(window, EM_SETSEL, 0, -1);
  if (tab && to->kind() == ControlKind::ComboBox)
    SendMessageA(window, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  return true;
}

}  // namespace quellon::ui::win32
