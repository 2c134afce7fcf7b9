#pragma once
// Mirrors the widget model into native windows. The model stays the truth: every native
// notification becomes a model event, every model change becomes a native update, and updates the
// mirror makes itself are never fed back as events.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

#include "base/win32/handles_win32.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/controls.h"
#include "ui/win32/fonts_win32.h"

namespace quellon::ui::win32 {

// Sent by Windows 8.1 and later when the window lands on a monitor of another DPI; the headers
// give it only to programs that need those systems, which this one does not.
inline constexpr UINT kDpiChanged = 0x02E0;

class Win32Mirror : public ControlObserver {
 public:
  // Creates a native window for the form and every control below it, parented like the model.
  // The windows of a page (a frame on the form) that starts hidden are made when it is first
  // shown, with the model's state of then: the window comes up with only what it shows.
  // `screen_dpi` is the DPI of the monitor the window starts on; 0 for the system's.
  Win32Mirror(Application& app, Form& form, HINSTANCE instance, int icon_id = 0,
              int screen_dpi = 0);
  ~Win32Mirror() override;
  Win32Mirror(const Win32Mirror&) = delete;
  Win32Mirror& operator=(const Win32Mirror&) = delete;

  // The form becomes visible and active; the activation runs `on_activate`.
  void Show(int show_command);
  std::function<void()> on_activate;

  HWND form_window() const { return form_window_; }
  // Nothing for a control whose page has not been shown yet.
  HWND WindowOf(const Control& control) const;
  // Makes the windows of the control's page now, if they are not made yet.
  void Realize(const Control& control);
  // The control that owns the window, also for the inner parts of a control (a drop-down list's
  // edit, a group box's frame); nothing for windows that are not ours.
  Control* ControlOf(HWND window) const;

  // Model coordinates are 96-DPI pixels; native ones follow the screen, as far as it has room.
  int dpi() const { return dpi_; }
  int Scale(int v) const { return MulDiv(v, dpi_, 96); }
  int Unscale(int v) const { return MulDiv(v, 96, dpi_); }

  // Runs model work for a native event: errors go to the error box, and afterwards the native
  // focus follows the model's.
  void Dispatch(const std::function<void()>& work);

  // Tab, Shift+Tab and arrow keys between the model's controls; true when the key was used.
  bool Navigate(const MSG& msg);

  void Changed(Control& control, Property property) override;

 private:
  struct Native {
    HWND window = nullptr;
    HWND inner = nullptr;  // a group box's frame, a drop-down list's edit
  };

  static LRESULT CALLBACK ContainerProc(HWND w, UINT m, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK ControlProc(HWND w, UINT m, WPARAM wp, LPARAM lp);
  LRESULT OnContainerMessage(HWND w, UINT m, WPARAM wp, LPARAM lp);
  LRESULT OnControlMessage(HWND w, UINT m, WPARAM wp, LPARAM lp, bool* handled);

  void RegisterClasses();
  void SetIcons(int icon_id);
  // The form's own commands in the window's system menu, and running one that was chosen there;
  // false for the system's own commands.
  void AddSystemMenu();
  bool RunSystemCommand(WPARAM command);
  void CreatePage(Control& page);
  void CreateTree(Control& control, HWND parent);
  HWND CreateNative(Control& control, HWND parent);
  void Attach(Control& control, HWND window, HWND inner);
  void Subclass(HWND window);
  // Every wineserver call counts at the start: a window is made at its final place and size,
  // with its visibility, its state and, where it shows its caption, its text (CreateNative).
  // ApplyAll gives it the rest.
  void ApplyAll(Control& control);
  static bool MadeWithText(const Control& c);
  // Where the control's window goes in its parent, in native pixels.
  RECT NativeRect(const Control& c) const;
  // The form's window size around the model's client size.
  SIZE FormSize() const;

  // The window moved to a monitor of another DPI: fonts and bounds anew, at the place the
  // system suggests.
  void ChangeDpi(int screen_dpi, const RECT& suggested);
  int DpiFor(int screen_dpi, const RECT& work) const;
  // Focus rectangles shown from the first key that moves the focus, where the system hides them
  // until then.
  void ShowKeyboardCues();
  // A caption-less check box draws its own focus rectangle: the system draws one only around a
  // caption.
  static bool DrawsFocusCue(const Control& c);
  void PaintFocusCue(HWND window);
  // The control's hint, in a tooltip that also shows over a disabled control: the tool is the
  // control's area in its parent, which gets the pointer's messages while the control cannot.
  void AddHint(const Control& c, HWND window);
  void PlaceHint(HWND window);
  void RelayToHint(HWND w, UINT m, WPARAM wp, LPARAM lp);

  bool TurnPage(bool forward);
  void OnCommand(HWND from, int code);
  void OnScroll(HWND from);
  void OnNotify(const NMHDR& header);
  void TextChangedNatively(TextControl& text, HWND edit);
  bool KeyPress(Control& control, WPARAM* key);
  void SyncFocus();

  void ApplyBounds(Control& c, const Native& n);
  // A window made a moment ago is drawn whole when it first shows: no redraw is asked for then.
  void ApplyFont(Control& c, const Native& n, bool redraw = true);
  void ApplyText(Control& c, const Native& n);
  void ApplyItems(Control& c, const Native& n);
  void ApplySlider(Slider& s, HWND w, bool range, bool redraw = true);
  void ApplyItemIndex(ComboBox& box, const Native& n);
  void AppendLine(const Memo& memo, HWND w);

  Application& app_;
  Form& form_;
  HINSTANCE instance_;
  RECT work_area_{};     // of the monitor the window is placed on
  int screen_dpi_ = 96;  // of the monitor the window is on
  int dpi_ = 96;         // what it is drawn at: the screen's, or less where it would not fit
  std::unique_ptr<FontSet> fonts_;
  quellon::win32::UniqueIcon small_icon_;  // declared before the window, so that it outlives it
  HWND form_window_ = nullptr;
  quellon::win32::UniqueWindow form_owner_;
  HWND tips_ = nullptr;          // owned by the form's window, and destroyed with it
  std::set<HWND> hint_parents_;  // the windows the tooltip's tools lie in
  std::map<const Control*, Native> natives_;
  std::map<HWND, Control*> controls_;
  std::set<Control*> unmade_pages_;  // hidden since the start, no windows yet
  int updating_ = 0;                 // >0 while the mirror changes native windows itself
  int dispatching_ = 0;
  // The control whose text the user is changing, until the model has taken the new text: the
  // native window already shows it.
  const Control* typed_into_ = nullptr;
  HWND restore_focus_ = nullptr;
};

}  // namespace quellon::ui::win32
