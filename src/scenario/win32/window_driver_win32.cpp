#include "scenario/win32/window_driver_win32.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include "app/res/resource_ids.h"
#include "base/win32/handles_win32.h"
#include "ui/controls.h"

namespace quellon::scenario {
namespace {

WindowDriver* g_answering = nullptr;  // the driver whose timer answers message boxes

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_answering) g_answering->AnswerBoxes();
}

// A corner of the screen far from the window: the pointer rests there between moves, so that
// windows appearing under it raise no pointer moves of their own.
POINT RestingPlace() {
  return {GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
}

}  // namespace

std::optional<std::string> ScriptedDialogsPlatform::BrowseForFolder(const std::string& title) {
  shown_.push_back("browse " + Quote(title));
  auto result = result_;
  result_.reset();
  return result;
}

std::optional<std::string> ScriptedDialogsPlatform::ChooseFile(const ui::FileDialog& dialog) {
  shown_.push_back((dialog.save ? "save-file " : "open-file ") + Quote(dialog.title));
  auto result = file_result_;
  file_result_.reset();
  return result;
}

std::optional<std::size_t> ScriptedDialogsPlatform::ChooseFromList(const ui::ListDialog& dialog) {
  shown_.push_back("list " + Quote(dialog.title));
  for (const std::string& row : dialog.rows) shown_.push_back("row " + Quote(row));
  auto result = list_result_;
  list_result_.reset();
  if (result && *result >= dialog.rows.size()) result.reset();
  return result;
}

WindowDriver::WindowDriver(HINSTANCE instance) : instance_(instance) {
  ClearProgramKeys();
  SetCursorPos(RestingPlace().x, RestingPlace().y);
}

WindowDriver::~WindowDriver() {
  if (timer_) KillTimer(nullptr, timer_);
  g_answering = nullptr;
  platform_.AttachMirror(nullptr);
  loop_.reset();
  mirror_.reset();
  form_.reset();
  MSG quit{};  // closing the form posts the end of the loop; nobody runs that loop any more
  while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  for (auto it = created_folders_.rbegin(); it != created_folders_.rend(); ++it)
    RemoveDirectoryA(it->c_str());
}

// The script sees the registry without what the system wrote into it meanwhile.
RegistryApi& WindowDriver::ScriptRegistry() {
  RemoveDisplayClasses();
  return registry_;
}

TForm1& WindowDriver::Form() {
  if (!form_) throw UsageError("the window has not been started");
  return *form_;
}

// Handles what is queued, and keeps doing so for at least the given time.
void WindowDriver::Pump(DWORD at_least_ms) {
  const DWORD start = GetTickCount();
  do {
    if (loop_) loop_->RunPending();
    if (at_least_ms) Sleep(5);
  } while (GetTickCount() - start < at_least_ms);
  if (loop_) loop_->RunPending();
}

void WindowDriver::Start() {
  if (form_) throw UsageError("the window is already started");
  const std::set<std::string> classes = SystemClasses();
  form_ = std::make_unique<TForm1>(app_, faults_, devices_, files_);
  mirror_ = std::make_unique<ui::win32::Win32Mirror>(app_, *form_, instance_, kIconId);
  platform_.AttachMirror(mirror_.get());
  loop_ = std::make_unique<ui::win32::MessageLoop>(app_, *mirror_);
  g_answering = this;
  timer_ = SetTimer(nullptr, 0, 20, &AnswerTimer);
  mirror_->on_activate = [this] { form_->FormActivate(); };
  mirror_->Show(SW_SHOWNORMAL);
  Pump(50);
  RemoveClassesAddedSince(classes);
}

// Another window takes the activation for a moment and gives it back.
void WindowDriver::Activate() {
  const HWND form = mirror_ ? mirror_->form_window() : nullptr;
  if (!form) throw UsageError("the window has not been started");
  const POINT away = RestingPlace();
  win32::UniqueWindow other(CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE,
                                            away.x, away.y, 1, 1, nullptr, nullptr, instance_,
                                            nullptr));
  SetActiveWindow(other.get());
  Pump(20);
  SetActiveWindow(form);
  SetForegroundWindow(form);
  other.reset();
  Pump(20);
}

void WindowDriver::SelectTab(int index) {
  TForm1& form = Form();
  if (index < 0 || index >= static_cast<int>(form.TabControl1.tabs().size()))
    throw UsageError("no tab " + std::to_string(index));
  const HWND tabs = WindowOf(form.TabControl1);
  RECT item{};
  SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(tabs, WM_LBUTTONUP, 0, at);
  Pump();
}

bool WindowDriver::Reachable(HWND window) const {
  for (HWND w = window; w; w = GetParent(w))
    if (!IsWindowEnabled(w)) return false;
  return window && IsWindowVisible(window);
}

HWND WindowDriver::FocusTarget(const ui::Control& c) {
  const HWND window = WindowOf(c);
  if (c.kind() != ui::ControlKind::ComboBox) return window;
  const HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
  return edit ? edit : window;
}

// As by the Tab key: the focus moves there, and a text gets all of it selected.
void WindowDriver::FocusLikeUser(ui::Control& c) {
  const HWND window = WindowOf(c);
  if (mirror_->ControlOf(GetFocus()) == &c || !Reachable(window)) return;
  SetFocus(window);
  if (c.kind() == ui::ControlKind::Edit) SendMessageA(window, EM_SETSEL, 0, -1);
  if (c.kind() == ui::ControlKind::ComboBox)
    SendMessageA(window, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  Pump();
}

void WindowDriver::Focus(const std::string& control) {
  FocusLikeUser(Find(control));
}

void WindowDriver::Type(const std::string& control, const std::string& keys) {
  ui::Control& c = Find(control);
  if (!dynamic_cast<ui::TextControl*>(&c)) throw UsageError(control + " is not a text box");
  FocusLikeUser(c);
  for (const char key : keys) {
    if (mirror_->ControlOf(GetFocus()) != &c) continue;  // the keys go nowhere
    PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(key), 1);
    Pump();
  }
}

void WindowDriver::Paste(const std::string& control, const std::string& text) {
  ui::Control& c = Find(control);
  if (!dynamic_cast<ui::TextControl*>(&c)) throw UsageError(control + " is not a text box");
  FocusLikeUser(c);
  if (mirror_->ControlOf(GetFocus()) != &c) return;
  const HWND edit = FocusTarget(c);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  Pump();
}

void WindowDriver::Click(const std::string& control) {
  ui::Control& c = Find(control);
  const HWND window = WindowOf(c);
  if (!Reachable(window)) return;  // a click on a disabled control goes nowhere
  if (c.kind() == ui::ControlKind::Button || c.kind() == ui::ControlKind::CheckBox) {
    PostMessageA(window, BM_CLICK, 0, 0);
  } else if (mirror_->ControlOf(GetFocus()) != &c && c.CanTakeFocus()) {
    SetFocus(window);
  }
  Pump();
}

// What a drag of the thumb does: the trackbar moves and tells its parent while tracking and at
// the end.
void WindowDriver::Slide(const std::string& control, int position) {
  auto* slider = dynamic_cast<ui::Slider*>(&Find(control));
  if (!slider) throw UsageError(control + " is not a slider");
  FocusLikeUser(*slider);
  const HWND window = WindowOf(*slider);
  SendMessageA(window, TBM_SETPOS, TRUE, position);
  const LPARAM from = reinterpret_cast<LPARAM>(window);
  const WPARAM at = static_cast<WPARAM>(SendMessageA(window, TBM_GETPOS, 0, 0));
  PostMessageA(GetParent(window), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, at), from);
  PostMessageA(GetParent(window), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, at), from);
  PostMessageA(GetParent(window), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), from);
  Pump();
}

// The command is found by its caption in the window's real system menu, as the user reads it
// (without its access key marks), and chosen as the menu would choose it.
void WindowDriver::ChooseMenu(const std::string& caption) {
  const HWND form = mirror_ ? mirror_->form_window() : nullptr;
  if (!form) throw UsageError("the window has not been started");
  const HMENU menu = GetSystemMenu(form, FALSE);
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    if (caption != ui::WithoutAccessKeys(text)) continue;
    PostMessageA(form, WM_SYSCOMMAND, GetMenuItemID(menu, i), 0);
    Pump();
    return;
  }
  throw UsageError("the system menu has no command " + Quote(caption));
}

void WindowDriver::Choose(const std::string& control, int index) {
  auto* list = dynamic_cast<ui::ComboBox*>(&Find(control));
  if (!list) throw UsageError(control + " is not a drop-down list");
  if (index < 0 || index >= static_cast<int>(list->items().size()))
    throw UsageError(control + " has no item " + std::to_string(index));
  FocusLikeUser(*list);
  const HWND window = WindowOf(*list);
  SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  const int id = GetDlgCtrlID(window);
  PostMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(window));
  Pump();
}

}  // namespace quellon::scenario
