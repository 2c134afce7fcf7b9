#include "ui/win32/mirror_win32.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include <algorithm>
#include <stdexcept>

#include "ui/win32/screen_win32.h"
#include "ui/win32/subclass_win32.h"
#include "ui/win32/text_win32.h"

namespace quellon::ui::win32 {
namespace {

constexpr char kFormClass[] = "QuellonForm";
constexpr char kPanelClass[] = "QuellonPanel";
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

// Class name and styles of the native window that stands for a control.
struct NativeKind {
  const char* window_class;
  DWORD style;
  DWORD ex_style;
};

NativeKind KindOf(const Control& c) {
  constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
  switch (c.kind()) {
    case ControlKind::Frame:
    case ControlKind::GroupBox:
      return {kPanelClass, child, WS_EX_CONTROLPARENT};
    case ControlKind::Label: {
      // Labels are transparent and may overlap: neither clips the other.
      const bool wrap = static_cast<const Label&>(c).word_wrap;
      const DWORD align = wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
      return {"STATIC", WS_CHILD | SS_NOTIFY | SS_NOPREFIX | align, 0};
    }
    case ControlKind::Button:
      return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox: {
      const bool left = static_cast<const CheckBox&>(c).caption_left;
      return {"BUTTON", child | WS_TABSTOP | BS_CHECKBOX | (left ? BS_LEFTTEXT : 0), 0};
    }
    case ControlKind::Slider:
      return {TRACKBAR_CLASSA, child | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS, 0};
    case ControlKind::Edit:
      return {"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
      return {"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::Memo:
      return {"EDIT",
              child | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
    case ControlKind::TabControl:
      return {WC_TABCONTROLA, child | WS_TABSTOP | TCS_FIXEDWIDTH | TCS_FOCUSONBUTTONDOWN, 0};
    case ControlKind::Bevel:
      return {"STATIC", child | SS_ETCHEDFRAME, 0};
    case ControlKind::Form:
      break;
  }
  throw std::logic_error("a form cannot be a child window");
}

// Centred in the work area; a window larger than the area keeps its title bar and its left edge
// inside it.
POINT CentredIn(const RECT& work, SIZE size) {
  return {work.left + std::max(0L, (work.right - work.left - size.cx) / 2),
          work.top + std::max(0L, (work.bottom - work.top - size.cy) / 2)};
}

}  // namespace

Win32Mirror::Win32Mirror(Application& app, Form& form, HINSTANCE instance, int icon_id,
                         int screen_dpi)
    : app_(app), form_(form), instance_(instance), work_area_(WorkAreaUnderPointer()) {
  screen_dpi_ = screen_dpi ? screen_dpi : SystemDpi();
  dpi_ = DpiFor(screen_dpi_, work_area_);
  fonts_ = std::make_unique<FontSet>(dpi_);
  RegisterClasses();
  // Not clipping children: the form paints the background that transparent labels stand on.
  const SIZE size = FormSize();
  const POINT place = CentredIn(work_area_, size);
  form_window_ = CreateWindowExA(kFormExStyle, kFormClass, NativeLineBreaks(form.caption()).c_str(),
                                 kFormStyle, place.x, place.y, size.cx, size.cy, nullptr, nullptr,
                                 instance_, this);
  if (!form_window_) throw std::runtime_error("Cannot create the main window");
  form_owner_.reset(form_window_);
  SetIcons(icon_id);
  AddSystemMenu();
  Attach(form, form_window_, nullptr);
  for (Control* child : form.children()) {
    if (child->kind() == ControlKind::Frame && !child->visible()) {
      unmade_pages_.insert(child);
      child->SetObserver(this);  // to hear when it is shown
    } else {
      CreateTree(*child, form_window_);
    }
  }
}

Win32Mirror::~Win32Mirror() {
  for (auto& [control, native] : natives_) const_cast<Control*>(control)->SetObserver(nullptr);
  for (Control* page : unmade_pages_) page->SetObserver(nullptr);
  on_activate = nullptr;
  form_owner_.reset();
}

// The whole window on the screen: at a DPI too large for it, it is drawn smaller.
int Win32Mirror::DpiFor(int screen_dpi, const RECT& work) const {
  RECT frame{};
  AddFrame(&frame, kFormStyle, kFormExStyle, screen_dpi);
  return FittingDpi(screen_dpi, {form_.bounds().width, form_.bounds().height},
                    {frame.right - frame.left, frame.bottom - frame.top}, work);
}

// The model's size is the client area; the frame is added around it.
SIZE Win32Mirror::FormSize() const {
  RECT outer{0, 0, Scale(form_.bounds().width), Scale(form_.bounds().height)};
  AddFrame(&outer, kFormStyle, kFormExStyle, screen_dpi_);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

void Win32Mirror::RegisterClasses() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &Win32Mirror::ContainerProc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kPanelClass;
  RegisterClassExA(&wc);  // fails harmlessly when a second mirror registers again
  wc.lpszClassName = kFormClass;
  RegisterClassExA(&wc);
}

// The icons belong to the window, not to its class, which outlives every mirror: the large one is
// the system's shared copy, the small one is made at the small size and destroyed with the mirror.
void Win32Mirror::SetIcons(int icon_id) {
  if (!icon_id) return;
  const HICON large = LoadIconA(instance_, MAKEINTRESOURCEA(icon_id));
  small_icon_.reset(static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(icon_id), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), 0)));
  SendMessageA(form_window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
  SendMessageA(form_window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
}

void Win32Mirror::Realize(const Control& control) {
  const Control* page = &control;
  while (page->parent() && page->parent() != &form_) page = page->parent();
  const auto it = unmade_pages_.find(const_cast<Control*>(page));
  if (it != unmade_pages_.end()) CreatePage(**it);
}

// A page made late lies beneath the form's later children and above its earlier ones, as if it
// had been made in turn (frames drawn around others lie at the bottom anyway).
void Win32Mirror::CreatePage(Control& page) {
  unmade_pages_.erase(&page);
  CreateTree(page, form_window_);
  HWND above = HWND_TOP;
  const auto& siblings = form_.children();
  for (auto it = std::find(siblings.begin(), siblings.end(), &page) + 1; it != siblings.end();
       ++it) {
    const HWND w = WindowOf(**it);
    if (w && (*it)->kind() != ControlKind::Bevel) {
      above = w;
      break;
    }
  }
  SetWindowPos(natives_.at(&page).window, above, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Mirror::CreateTree(Control& control, HWND parent) {
  const HWND window = CreateNative(control, parent);
  // A window on screen is not drawn while it fills with its controls, only once when complete.
  const bool on_screen = IsWindowVisible(window);
  if (on_screen) SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  for (Control* child : control.children()) CreateTree(*child, window);
  // A group box's frame paints its parent's background over its whole client area: it lies
  // beneath everything inside the box, the bevels too, and is clipped by all of them.
  if (control.kind() == ControlKind::GroupBox)
    SetWindowPos(natives_.at(&control).inner, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (on_screen) {
    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

HWND Win32Mirror::CreateNative(Control& control, HWND parent) {
  const NativeKind kind = KindOf(control);
  const DWORD style =
      kind.style | (control.visible() ? WS_VISIBLE : 0) | (control.enabled() ? 0 : WS_DISABLED);
  // Frames and bevels show no caption, a group box shows its own on its frame (inner).
  const ControlKind k = control.kind();
  const bool shows_caption = MadeWithText(control) && k != ControlKind::Frame &&
                             k != ControlKind::Bevel && k != ControlKind::GroupBox;
  const std::string text = shows_caption ? NativeLineBreaks(control.caption()) : std::string();
  const RECT r = NativeRect(control);
  static int next_id = 100;
  // Without text the window is made without any: an empty one costs a call all the same.
  const HWND window =
      CreateWindowExA(kind.ex_style, kind.window_class, text.empty() ? nullptr : text.c_str(),
                      style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                      reinterpret_cast<HMENU>(INT_PTR{next_id++}), instance_, this);
  if (!window) throw std::runtime_error("Cannot create the window of " + control.name());
  HWND inner = nullptr;
  if (control.kind() == ControlKind::GroupBox) {
    // The themed frame and caption; a plain button cannot parent the controls inside it.
    inner = CreateWindowExA(0, "BUTTON", control.caption().c_str(),
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0,
                            r.right - r.left, Scale(control.bounds().height), window, nullptr,
                            instance_, nullptr);
  } else if (control.kind() == ControlKind::ComboBox) {
    inner = FindWindowExA(window, nullptr, "Edit", nullptr);
  }
  // Later siblings lie on top, as in the model; frames drawn around others lie beneath them
  // (inside a group box, still above the box's own frame).
  const bool beneath = control.kind() == ControlKind::Bevel;
  SetWindowPos(window, beneath ? HWND_BOTTOM : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (control.kind() == ControlKind::Edit || control.kind() == ControlKind::Memo)
    SendMessageA(window, EM_SETLIMITTEXT, 0, 0);
  if (control.kind() == ControlKind::Slider) {
    SendMessageA(window, TBM_SETPAGESIZE, 0, 1);
    SendMessageA(window, TBM_SETLINESIZE, 0, 1);
  }
  Attach(control, window, inner);
  AddHint(control, window);
  // Focus and keys of everything the user can tab to go through the mirror first.
  if (k != ControlKind::Frame && k != ControlKind::GroupBox && k != ControlKind::Label &&
      k != ControlKind::Bevel) {
    Subclass(window);
    if (inner && k == ControlKind::ComboBox) Subclass(inner);
  }
  return window;
}

void Win32Mirror::Attach(Control& control, HWND window, HWND inner) {
  natives_[&control] = {window, inner};
  controls_[window] = &control;
  if (inner) controls_[inner] = &control;
  ++updating_;
  ApplyAll(control);
  --updating_;
  control.SetObserver(this);
}

void Win32Mirror::Subclass(HWND window) {
  ::quellon::ui::win32::Subclass(window, &Win32Mirror::ControlProc, this);
}

// The kinds whose window text is their caption; edits, lists and the log get theirs once the
// limit on its length is lifted.
bool Win32Mirror::MadeWithText(const Control& c) {
  switch (c.kind()) {
    case ControlKind::Edit:
    case ControlKind::ComboBox:
    case ControlKind::Memo:
      return false;
    default:
      return true;
  }
}

HWND Win32Mirror::WindowOf(const Control& control) const {
  const auto it = natives_.find(&control);
  return it == natives_.end() ? nullptr : it->second.window;
}

Control* Win32Mirror::ControlOf(HWND window) const {
  for (HWND w = window; w; w = GetParent(w)) {
    const auto it = controls_.find(w);
    if (it != controls_.end()) return it->second;
    if (w == form_window_) break;
  }
  return nullptr;
}

// Centred in the work area of its monitor, where the window was made unless it has changed size
// since.
void Win32Mirror::Show(int show_command) {
  RECT frame{};
  GetWindowRect(form_window_, &frame);
  const POINT place = CentredIn(work_area_, {frame.right - frame.left, frame.bottom - frame.top});
  if (place.x != frame.left || place.y != frame.top)
    SetWindowPos(form_window_, nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Where the system hides keyboard cues until the keyboard is used, the window starts without.
  BOOL cues = TRUE;
  if (SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &cues, 0) && !cues)
    SendMessageA(form_window_, WM_CHANGEUISTATE,
                 MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  ShowWindow(form_window_, show_command);
  UpdateWindow(form_window_);
  SetForegroundWindow(form_window_);
}

}  // namespace quellon::ui::win32
