#include "ui/win32/list_dialog_win32.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>  // SetWindowSubclass; needs the types of windows.h
#include <oleacc.h>    // ROLE_SYSTEM_LIST
// clang-format on

#include <algorithm>
#include <string>
#include <vector>

#include "ui/win32/accessible_win32.h"
#include "ui/win32/fonts_win32.h"

namespace quellon::ui::win32 {
namespace {

// The layout in 96-DPI pixels.
constexpr int kMargin = 11;
constexpr int kGap = 6;
constexpr int kLabelHeight = 16;
constexpr int kListWidth = 320;
constexpr int kListHeight = 200;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr UINT_PTR kSubclassId = 1;

struct DialogState {
  const ListDialog& dialog;
  int dpi;
  FontSet fonts;
  std::optional<std::size_t> result;
};

// What a screen reader reads for the list: the label's words, without the access key mark and
// the colon, rather than whatever the system finds before it.
std::string ListName(const std::string& label) {
  std::string name;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '&' && i + 1 < label.size()) ++i;
    name.push_back(label[i]);
  }
  while (!name.empty() && name.back() == ':') name.pop_back();
  return name;
}

LRESULT CALLBACK ListProc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (m == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lp)) == OBJID_CLIENT) {
    const auto* state = reinterpret_cast<const DialogState*>(data);
    if (const LRESULT object =
            NamedClientObject(w, wp, ListName(state->dialog.label), ROLE_SYSTEM_LIST))
      return object;
  }
  if (m == WM_NCDESTROY) RemoveWindowSubclass(w, &ListProc, kSubclassId);
  return DefSubclassProc(w, m, wp, lp);
}

HWND AddControl(HWND dialog, DialogState& state, const char* window_class, const std::string& text,
                DWORD style, DWORD ex_style, int id, RECT at) {
  const auto scale = [&](LONG v) { return MulDiv(v, state.dpi, 96); };
  const HWND control = CreateWindowExA(
      ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, scale(at.left),
      scale(at.top), scale(at.right - at.left), scale(at.bottom - at.top), dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (control)
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts.Get(false, false, 0)),
                 FALSE);
  return control;
}

// The client area of the design size, centred over the owner (or the screen) and kept inside the
// work area of its monitor.
void Place(HWND dialog, HWND owner, SIZE client) {
  RECT window{}, inside{};
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &inside);
  const int width = client.cx + (window.right - window.left) - (inside.right - inside.left);
  const int height = client.cy + (window.bottom - window.top) - (inside.bottom - inside.top);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT over = monitor.rcWork;
  if (owner) GetWindowRect(owner, &over);
  const RECT& work = monitor.rcWork;
  int left = over.left + (over.right - over.left - width) / 2;
  int top = over.top + (over.bottom - over.top - height) / 2;
  left = std::max<int>(work.left, std::min<int>(left, work.right - width));
  top = std::max<int>(work.top, std::min<int>(top, work.bottom - height));
  SetWindowPos(dialog, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Build(HWND dialog, DialogState& state) {
  const ListDialog& d = state.dialog;
  SetWindowTextA(dialog, d.title.c_str());
  const int list_top = kMargin + kLabelHeight + 4;
  const int buttons_top = list_top + kListHeight + kMargin;
  const int right = kMargin + kListWidth;
  // In the order of the Tab key; the label comes right before the list, so that its access key
  // moves the focus to the list.
  AddControl(dialog, state, "STATIC", d.label, SS_LEFT, 0, kListDialogLabel,
             {kMargin, kMargin, right, kMargin + kLabelHeight});
  const HWND list = AddControl(
      dialog, state, "LISTBOX", "",
      WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
      WS_EX_CLIENTEDGE, kListDialogList, {kMargin, list_top, right, list_top + kListHeight});
  AddControl(dialog, state, "BUTTON", d.take, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK,
             {right - 2 * kButtonWidth - kGap, buttons_top, right - kButtonWidth - kGap,
              buttons_top + kButtonHeight});
  AddControl(dialog, state, "BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL,
             {right - kButtonWidth, buttons_top, right, buttons_top + kButtonHeight});
  if (!list) {
    EndDialog(dialog, IDCANCEL);  // a dialog without its list can take nothing
    return;
  }
  SetWindowSubclass(list, &ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&state));
  for (const std::string& row : d.rows)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  const auto scale = [&](int v) { return MulDiv(v, state.dpi, 96); };
  Place(dialog, GetWindow(dialog, GW_OWNER),
        {scale(right + kMargin), scale(buttons_top + kButtonHeight + kMargin)});
  SetFocus(list);
}

void Take(HWND dialog, DialogState& state) {
  const LRESULT row = SendDlgItemMessageA(dialog, kListDialogList, LB_GETCURSEL, 0, 0);
  if (row == LB_ERR) return;  // nothing chosen: the dialog stays
  state.result = static_cast<std::size_t>(row);
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT m, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (m) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lp);
      Build(dialog, *reinterpret_cast<DialogState*>(lp));
      return FALSE;  // the focus is set: on the list
    case WM_COMMAND:
      if (!state) return FALSE;
      if (LOWORD(wp) == IDOK || (LOWORD(wp) == kListDialogList && HIWORD(wp) == LBN_DBLCLK)) {
        Take(dialog, *state);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

// An empty dialog template: the controls are made at the window's DPI when it starts.
std::vector<WORD> EmptyTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);  // no menu, class, title
  auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
  header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  header->dwExtendedStyle = WS_EX_DLGMODALFRAME;
  return words;
}

}  // namespace

std::optional<std::size_t> ChooseFromListWin32(HWND owner, const ListDialog& dialog, int dpi) {
  if (dialog.rows.empty()) return std::nullopt;
  DialogState state{dialog, dpi, FontSet(dpi), std::nullopt};
  const std::vector<WORD> empty = EmptyTemplate();
  const INT_PTR ended = DialogBoxIndirectParamA(
      GetModuleHandleA(nullptr), reinterpret_cast<const DLGTEMPLATE*>(empty.data()), owner,
      &DialogProc, reinterpret_cast<LPARAM>(&state));
  return ended == IDOK ? state.result : std::nullopt;
}

}  // namespace quellon::ui::win32
