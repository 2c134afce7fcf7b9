// Native notifications become model events. A notification that the mirror's own update of a
// native window raised is dropped, and texts are compared with the model because an edit reports
// a change even when its text is set to what it already was.

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include <exception>
#include <string>

#include "ui/win32/accessible_win32.h"
#include "ui/win32/mirror_win32.h"
#include "ui/win32/subclass_win32.h"
#include "ui/win32/text_win32.h"

namespace quellon::ui::win32 {

LRESULT CALLBACK Win32Mirror::ContainerProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Mirror*>(GetWindowLongPtrA(w, GWLP_USERDATA));
  if (!self) return DefWindowProcA(w, m, wp, lp);
  return self->OnContainerMessage(w, m, wp, lp);
}

LRESULT Win32Mirror::OnContainerMessage(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  RelayToHint(w, m, wp, lp);
  switch (m) {
    case WM_COMMAND:
      if (lp && !updating_) OnCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lp && !updating_) OnScroll(reinterpret_cast<HWND>(lp));
      return 0;
    case WM_NOTIFY:
      if (!updating_) OnNotify(*reinterpret_cast<const NMHDR*>(lp));
      return 0;
    case WM_CTLCOLORSTATIC: {
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      const Control* c = ControlOf(reinterpret_cast<HWND>(lp));
      if (c && c->kind() == ControlKind::Label)
        return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SYSCOMMAND:
      if (w == form_window_ && RunSystemCommand(wp)) return 0;
      break;
    case WM_ACTIVATE:
      if (w != form_window_) break;
      if (LOWORD(wp) == WA_INACTIVE) {
        if (ControlOf(GetFocus())) restore_focus_ = GetFocus();
        return 0;
      }
      // Coming back, the focus returns to the control that had it, as in a dialog.
      if (restore_focus_ && IsWindow(restore_focus_) && IsWindowVisible(restore_focus_))
        ::SetFocus(restore_focus_);
      else
        ::SetFocus(form_window_);
      if (on_activate) Dispatch(on_activate);
      return 0;
    case kDpiChanged:
      if (w != form_window_) break;
      ChangeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_DESTROY:
      if (w == form_window_) PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefWindowProcA(w, m, wp, lp);
}

LRESULT CALLBACK Win32Mirror::ControlProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<Win32Mirror*>(SubclassData(w));
  bool handled = false;
  const LRESULT result = self ? self->OnControlMessage(w, m, wp, lp, &handled) : 0;
  return handled ? result : CallOwnProc(w, m, wp, lp);
}

LRESULT Win32Mirror::OnControlMessage(HWND w, UINT m, WPARAM wp, LPARAM lp, bool* handled) {
  Control* control = ControlOf(w);
  if (!control) return 0;
  // A screen reader asks the control itself; a drop-down list's edit answers as the system's does.
  if (m == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lp)) == OBJID_CLIENT &&
      w == WindowOf(*control)) {
    const LRESULT object =
        NamedClientObject(w, wp, control->AccessibleName(), RoleOf(control->kind()));
    *handled = object != 0;
    return object;
  }
  if (DrawsFocusCue(*control)) {
    if (m == WM_PAINT) {
      *handled = true;
      const LRESULT result = CallOwnProc(w, m, wp, lp);
      PaintFocusCue(w);
      return result;
    }
    // The box draws its focus itself, around its caption, without painting anew.
    if (m == WM_KILLFOCUS || m == WM_UPDATEUISTATE) InvalidateRect(w, nullptr, TRUE);
  }
  if (m == WM_SETFOCUS) {
    // Focus messages are sent, not posted, so only the control itself hears of them.
    *handled = true;
    const LRESULT result = CallOwnProc(w, m, wp, lp);
    if (DrawsFocusCue(*control)) InvalidateRect(w, nullptr, TRUE);
    if (control->CanTakeFocus() && app_.focused() != control)
      Dispatch([this, control] { app_.SetFocus(*control); });
    return result;
  }
  if (m == WM_CHAR && control->OnKeyPress) {
    if (!KeyPress(*control, &wp)) {
      *handled = true;
      return 0;
    }
    *handled = true;
    return CallOwnProc(w, m, wp, lp);
  }
  return 0;
}

// The key press event sees each typed character first and may change or discard it.
bool Win32Mirror::KeyPress(Control& control, WPARAM* key) {
  char k = static_cast<char>(*key);
  bool passed = false;
  Dispatch([&] {
    control.OnKeyPress(k);
    passed = true;
  });
  if (!passed || k == 0) return false;
  *key = static_cast<unsigned char>(k);
  return true;
}

void Win32Mirror::OnCommand(HWND from, int code) {
  Control* control = ControlOf(from);
  if (!control) return;
  if (auto* button = dynamic_cast<Button*>(control); button && code == BN_CLICKED) {
    Dispatch([button] { button->Press(); });
  } else if (auto* box = dynamic_cast<CheckBox*>(control); box && code == BN_CLICKED) {
    // The box is not automatic: its state changes in the model, whose update checks it.
    Dispatch([box] { box->Toggle(); });
  } else if (auto* edit = dynamic_cast<Edit*>(control); edit && code == EN_CHANGE) {
    TextChangedNatively(*edit, from);
  } else if (auto* list = dynamic_cast<ComboBox*>(control)) {
    if (code == CBN_EDITCHANGE) TextChangedNatively(*list, from);
    if (code == CBN_SELCHANGE) {
      const int index = static_cast<int>(SendMessageA(from, CB_GETCURSEL, 0, 0));
      if (index >= 0 && index < static_cast<int>(list->items().size()))
        Dispatch([list, index] { list->Choose(index); });
      // As after a pick on Windows, the item's text is wholly selected, so the next key replaces
      // it; the model's text, set during the pick, left the caret at its end.
      const HWND typed_in = natives_.at(list).inner;
      if (typed_in && GetFocus() == typed_in)
        SendMessageA(from, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    }
  }
}

void Win32Mirror::TextChangedNatively(TextControl& text, HWND window) {
  const std::string typed = WindowText(window);
  if (typed == text.text()) return;
  typed_into_ = &text;
  Dispatch([&] { text.SetTextByUser(typed); });
  typed_into_ = nullptr;
}

void Win32Mirror::OnScroll(HWND from) {
  auto* slider = dynamic_cast<Slider*>(ControlOf(from));
  if (!slider) return;
  const int position = static_cast<int>(SendMessageA(from, TBM_GETPOS, 0, 0));
  if (position != slider->position())
    Dispatch([slider, position] { slider->SetPosition(position); });
}

void Win32Mirror::OnNotify(const NMHDR& header) {
  auto* tabs = dynamic_cast<TabControl*>(ControlOf(header.hwndFrom));
  if (!tabs || header.code != static_cast<UINT>(TCN_SELCHANGE)) return;
  const int index = static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0));
  if (index >= 0 && index != tabs->tab_index()) Dispatch([tabs, index] { tabs->Select(index); });
}

void Win32Mirror::Dispatch(const std::function<void()>& work) {
  const Control* focused_before = app_.focused();
  ++dispatching_;
  try {
    app_.Run(work);
  } catch (...) {
    // Nothing may unwind through the window procedures of the system.
  }
  --dispatching_;
  if (dispatching_ == 0 && app_.focused() != focused_before) SyncFocus();
}

// The model moves the focus by program (a page shown, a control hidden); the native focus follows.
void Win32Mirror::SyncFocus() {
  Control* wanted = app_.focused();
  const HWND current = GetFocus();
  if (wanted && ControlOf(current) == wanted) return;
  if (!wanted) {
    if (current && ControlOf(current) && ControlOf(current) != &form_) ::SetFocus(form_window_);
    return;
  }
  const HWND window = WindowOf(*wanted);
  if (window && IsWindowVisible(window) && IsWindowEnabled(window)) ::SetFocus(window);
}

}  // namespace quellon::ui::win32
