// Model changes become native updates. The mirror holds no state of its own: each update reads the
// model's current value.

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include <algorithm>

#include "base/win32/handles_win32.h"
#include "ui/win32/drop_down_win32.h"
#include "ui/win32/mirror_win32.h"
#include "ui/win32/screen_win32.h"
#include "ui/win32/text_win32.h"

namespace quellon::ui::win32 {
namespace {

constexpr int kDropDownHeight = 160;  // room for the open list of a drop-down

// All tabs are as wide as the widest caption needs.
void SizeTabs(HWND tabs, HFONT font) {
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  if (count == 0) return;  // the tabs, once there, are sized then
  quellon::win32::WindowDC dc(tabs);
  if (!dc) return;
  dc.Select(font ? font : GetStockObject(DEFAULT_GUI_FONT));
  int widest = 0;
  for (int i = 0; i < count; ++i) {
    char caption[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = sizeof caption;
    SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), caption, lstrlenA(caption), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  const int padding = 2 * GetSystemMetrics(SM_CXEDGE) + 16;
  SendMessageA(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(widest + padding, 0));
}

}  // namespace

void Win32Mirror::Changed(Control& control, Property property) {
  const auto it = natives_.find(&control);
  if (it == natives_.end()) {
    // A page without windows hears only of being shown; it is made with all its state then.
    if (property == Property::Visible && control.visible()) Realize(control);
    return;
  }
  const Native& n = it->second;
  // Once the model has the typed text, what its handlers change reaches the window as usual.
  if (&control == typed_into_ && property == Property::Text) typed_into_ = nullptr;
  ++updating_;
  switch (property) {
    case Property::Bounds:
      ApplyBounds(control, n);
      break;
    case Property::Visible:
      if (&control != &form_) ShowWindow(n.window, control.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Enabled:
      EnableWindow(n.window, control.enabled());
      break;
    case Property::Bold:
      ApplyFont(control, n);
      break;
    case Property::Checked:
      SendMessageA(n.window, BM_SETCHECK,
                   static_cast<CheckBox&>(control).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Property::Position:
    case Property::Range:
      ApplySlider(static_cast<Slider&>(control), n.window, property == Property::Range);
      break;
    case Property::Items:
      ApplyItems(control, n);
      break;
    case Property::ItemIndex:
      ApplyItemIndex(static_cast<ComboBox&>(control), n);
      break;
    case Property::TabIndex:
      SendMessageA(n.window, TCM_SETCURSEL, static_cast<TabControl&>(control).tab_index(), 0);
      break;
    case Property::Caption:
    case Property::Text:
    case Property::Lines:
      ApplyText(control, n);
      break;
    case Property::LineAdded:
      AppendLine(static_cast<Memo&>(control), n.window);
      break;
  }
  --updating_;
}

// The window has its bounds, visibility, enabled state and (MadeWithText) text already; it is
// not on the screen yet, or its page draws it whole once complete.
void Win32Mirror::ApplyAll(Control& c) {
  const Native& n = natives_.at(&c);
  ApplyFont(c, n, false);
  ApplyItems(c, n);
  if (!MadeWithText(c)) ApplyText(c, n);
  if (&c == &form_) return;
  if (auto* box = dynamic_cast<CheckBox*>(&c); box && box->checked())
    SendMessageA(n.window, BM_SETCHECK, BST_CHECKED, 0);
  if (auto* slider = dynamic_cast<Slider*>(&c)) ApplySlider(*slider, n.window, true, false);
}

RECT Win32Mirror::NativeRect(const Control& c) const {
  const Rect& r = c.bounds();
  const int extra = c.kind() == ControlKind::ComboBox ? Scale(kDropDownHeight) : 0;
  return {Scale(r.left), Scale(r.top), Scale(r.left) + Scale(r.width),
          Scale(r.top) + Scale(r.height) + extra};
}

void Win32Mirror::ApplyBounds(Control& c, const Native& n) {
  if (&c == &form_) {
    const SIZE size = FormSize();
    SetWindowPos(n.window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const RECT r = NativeRect(c);
  MoveWindow(n.window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  if (!c.hint().empty()) PlaceHint(n.window);
  if (c.kind() == ControlKind::GroupBox)
    MoveWindow(n.inner, 0, 0, r.right - r.left, Scale(c.bounds().height), TRUE);
  if (c.kind() == ControlKind::ComboBox) FitDroppedWidth(n.window, Scale(kDropDownHeight));
}

// A transparent label does not paint its own background: what lies beneath it is repainted.
static void RepaintUnder(HWND window) {
  const HWND parent = GetParent(window);
  if (!parent || !IsWindowVisible(window)) return;
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Mirror::ApplyFont(Control& c, const Native& n, bool redraw) {
  if (&c == &form_) return;
  const auto* label = dynamic_cast<const Label*>(&c);
  const HFONT font = fonts_->Get(c.bold(), label && label->italic, label ? label->font_size : 0);
  SendMessageA(n.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  if (n.inner) SendMessageA(n.inner, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  if (label) RepaintUnder(n.window);
  if (c.kind() == ControlKind::TabControl) SizeTabs(n.window, font);
  if (c.kind() == ControlKind::ComboBox) FitDroppedWidth(n.window, Scale(kDropDownHeight));
}

void Win32Mirror::ApplyText(Control& c, const Native& n) {
  if (auto* text = dynamic_cast<TextControl*>(&c)) {
    if (WindowText(n.window) == text->text()) return;
    SetWindowTextA(n.window, text->text().c_str());
    // Text set while the user types leaves the caret at the end, where the next key goes.
    const HWND edit = n.inner ? n.inner : n.window;
    if (GetFocus() == edit) {
      const auto end = static_cast<LPARAM>(text->text().size());
      SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
  } else if (auto* memo = dynamic_cast<Memo*>(&c)) {
    SetWindowTextA(n.window, JoinLines(memo->lines()).c_str());
  } else if (c.kind() == ControlKind::GroupBox) {
    SetWindowTextA(n.inner, c.caption().c_str());
  } else if (c.kind() != ControlKind::Frame && c.kind() != ControlKind::Bevel) {
    SetWindowTextA(n.window, NativeLineBreaks(c.caption()).c_str());
    if (c.kind() == ControlKind::Label) RepaintUnder(n.window);
  }
}

// Only the new line goes in at the end: setting the whole text again costs as much as the text
// is long, and a log grows with every load.
void Win32Mirror::AppendLine(const Memo& memo, HWND w) {
  const std::string line = (memo.lines().size() > 1 ? "\r\n" : "") + memo.lines().back();
  const auto end = static_cast<WPARAM>(GetWindowTextLengthA(w));
  SendMessageA(w, EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageA(w, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
}

void Win32Mirror::ApplyItems(Control& c, const Native& n) {
  if (auto* tabs = dynamic_cast<TabControl*>(&c)) {
    SendMessageA(n.window, TCM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const std::string& caption : tabs->tabs()) {
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(caption.c_str());
      SendMessageA(n.window, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(n.window, TCM_SETCURSEL, tabs->tab_index(), 0);
    SizeTabs(n.window, reinterpret_cast<HFONT>(SendMessageA(n.window, WM_GETFONT, 0, 0)));
  } else if (auto* list = dynamic_cast<ComboBox*>(&c)) {
    SendMessageA(n.window, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : list->items())
      SendMessageA(n.window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    FitDroppedWidth(n.window, Scale(kDropDownHeight));
    ApplyItemIndex(*list, n);
  }
}

void Win32Mirror::ApplyItemIndex(ComboBox& box, const Native& n) {
  if (&box != typed_into_) {
    SendMessageA(n.window, CB_SETCURSEL, static_cast<WPARAM>(box.item_index()), 0);
    // Selecting nothing empties the native text; the model's text stands.
    ApplyText(box, n);
    return;
  }
  // The user's typing dropped the choice. The model still holds the old text, the native list
  // the typed one, which stays with the caret where it was.
  const std::string typed = WindowText(n.window);
  const auto selection = static_cast<DWORD>(SendMessageA(n.window, CB_GETEDITSEL, 0, 0));
  SendMessageA(n.window, CB_SETCURSEL, static_cast<WPARAM>(box.item_index()), 0);
  SetWindowTextA(n.window, typed.c_str());
  SendMessageA(n.window, CB_SETEDITSEL, 0, MAKELPARAM(LOWORD(selection), HIWORD(selection)));
}

// The range goes first: a position set before its range would be clamped to the old one.
void Win32Mirror::ApplySlider(Slider& s, HWND w, bool range, bool redraw) {
  if (range) {
    SendMessageA(w, TBM_SETRANGEMIN, FALSE, s.min());
    SendMessageA(w, TBM_SETRANGEMAX, redraw, s.max());
    // A trackbar places its thumb anew only when the position changes, not when the range does.
    SendMessageA(w, TBM_SETPOS, FALSE, s.position() == s.max() ? s.min() : s.max());
  }
  SendMessageA(w, TBM_SETPOS, redraw, s.position());
}

}  // namespace quellon::ui::win32
