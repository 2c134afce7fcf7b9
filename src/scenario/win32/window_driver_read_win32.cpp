// The Windows driver's pointer, its reading of controls and its answering of message boxes.

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include <algorithm>

#include "scenario/control_path.h"
#include "scenario/property_format.h"
#include "scenario/win32/window_driver_win32.h"
#include "ui/controls.h"
#include "ui/win32/text_win32.h"

namespace quellon::scenario {
namespace {

constexpr DWORD kMoveTimeoutMs = 2000;
constexpr DWORD kReportMs = 300;  // the system reports a pointer move within about 0.1 s
constexpr DWORD kSettleMs = 100;  // and may report one move more than once

std::string Bool(bool b) {
  return b ? "true" : "false";
}

std::string FromNativeLineBreaks(std::string text) {
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 1))
    text.erase(at + 1, 1);
  return text;
}

BOOL CALLBACK CollectBox(HWND window, LPARAM boxes) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32770" && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(boxes)->push_back(window);
  return TRUE;
}

// A property frame is a dialog with a tab strip; a message box has none.
BOOL CALLBACK FindTabStrip(HWND child, LPARAM found) {
  char name[32] = {};
  GetClassNameA(child, name, sizeof name);
  if (std::string(name) != "SysTabControl32") return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

bool IsPropertyFrame(HWND box) {
  bool found = false;
  EnumChildWindows(box, &FindTabStrip, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The box's text is its longest static text; the icon has none.
BOOL CALLBACK LongestStatic(HWND child, LPARAM longest) {
  char name[16] = {};
  GetClassNameA(child, name, sizeof name);
  auto* text = reinterpret_cast<std::string*>(longest);
  const std::string own = ui::win32::WindowText(child);
  if (std::string(name) == "Static" && own.size() > text->size()) *text = own;
  return TRUE;
}

}  // namespace

ui::Control& WindowDriver::Find(const std::string& path) {
  return FindControl(Form(), path);
}

// A page's windows are made when it is first shown; the driver reads and acts on a page not shown
// yet as well, so it has them made then.
HWND WindowDriver::WindowOf(const ui::Control& c) {
  Form();
  mirror_->Realize(c);
  return mirror_->WindowOf(c);
}

// The hook reads the pointer when it runs, so the loop handles nothing until the system reports
// the pointer at its new place. A move the system does not report (the pointer did not move, or
// the report went astray) is posted to the window under the pointer, as the system would.
void WindowDriver::MovePointer(POINT screen) {
  const unsigned before = loop_->mouse_moves();
  SetCursorPos(screen.x, screen.y);
  const DWORD start = GetTickCount();
  POINT now{};
  while (GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y) &&
         GetTickCount() - start < kMoveTimeoutMs)
    Sleep(5);
  const DWORD reported = GetTickCount();
  while (loop_->mouse_moves() == before && GetTickCount() - reported < kReportMs) Pump(5);
  if (loop_->mouse_moves() == before) {
    const HWND under = WindowFromPoint(screen);
    POINT client = screen;
    ScreenToClient(under, &client);
    PostMessageA(under, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  }
  Pump(kSettleMs);
}

void WindowDriver::PointAt(const std::string& control, std::optional<ui::Point> offset) {
  ui::Control& c = Find(control);
  const ui::Point origin = c.parent() ? c.parent()->OriginInForm() : ui::Point{};
  const ui::Point local = offset ? ui::Point{c.left() + offset->x, c.top() + offset->y}
                                 : ui::Point{c.left() + c.width() / 2, c.top() + c.height() / 2};
  POINT screen{mirror_->Scale(origin.x + local.x), mirror_->Scale(origin.y + local.y)};
  ClientToScreen(mirror_->form_window(), &screen);
  MovePointer(screen);
  // Away again, where nothing of ours lies: no later window change can raise a move over us.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  Pump(kSettleMs);
}

// The model's value, and the native window's where it differs: a scenario then fails in this mode.
std::string WindowDriver::Property(const std::string& control, const std::string& property) {
  ui::Control& c = Find(control);
  const std::string model = FormatProperty(c, property, app_);
  const std::string native = NativeProperty(c, property);
  return native.empty() || native == model ? model : model + " (native " + native + ")";
}

std::string WindowDriver::NativeProperty(ui::Control& c, const std::string& p) {
  const HWND w = WindowOf(c);
  if (!w || &c == form_.get()) return "";
  if (p == "Enabled") return Bool(IsWindowEnabled(w));
  if (p == "Visible") return Bool((GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) != 0);
  if (p == "Focused") return Bool(mirror_->ControlOf(GetFocus()) == &c);
  if (dynamic_cast<ui::Slider*>(&c)) {
    if (p == "Position") return std::to_string(SendMessageA(w, TBM_GETPOS, 0, 0));
    if (p == "Min") return std::to_string(SendMessageA(w, TBM_GETRANGEMIN, 0, 0));
    if (p == "Max") return std::to_string(SendMessageA(w, TBM_GETRANGEMAX, 0, 0));
  }
  if (dynamic_cast<ui::TextControl*>(&c) && p == "Text") return Quote(ui::win32::WindowText(w));
  if (dynamic_cast<ui::CheckBox*>(&c) && p == "Checked")
    return Bool(SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED);
  if (dynamic_cast<ui::ComboBox*>(&c) && p == "ItemIndex")
    return std::to_string(SendMessageA(w, CB_GETCURSEL, 0, 0));
  if (dynamic_cast<ui::TabControl*>(&c) && p == "ItemIndex")
    return std::to_string(SendMessageA(w, TCM_GETCURSEL, 0, 0));
  if (c.kind() == ui::ControlKind::Label && p == "Caption")
    return Quote(FromNativeLineBreaks(ui::win32::WindowText(w)));
  return "";
}

std::string WindowDriver::InfoTitle() {
  return Form().InfoLabelTitle.caption();
}
std::string WindowDriver::InfoBody() {
  return Form().InfoLabelContent.caption();
}
// The model's lines, and the native memo's text where it differs: a scenario then fails in this
// mode.
std::vector<std::string> WindowDriver::MemoLines() {
  std::vector<std::string> lines = Form().Memo1.lines();
  const std::string native = ui::win32::WindowText(WindowOf(Form().Memo1));
  if (native != ui::win32::JoinLines(lines)) lines.push_back("(native " + Quote(native) + ")");
  return lines;
}

// A page whose windows are not made yet has never been shown.
std::vector<std::string> WindowDriver::VisibleFrames() {
  std::vector<std::string> names;
  for (ui::Control* child : Form().children())
    if (child->kind() == ui::ControlKind::Frame && IsWindowVisible(mirror_->WindowOf(*child)))
      names.push_back(child->name());
  return names;
}

std::string WindowDriver::HookOwner() {
  return app_.HasHook() ? app_.hook_owner() : "";
}

std::vector<std::string> WindowDriver::TakeShown() {
  Pump();
  std::vector<std::string> out;
  out.swap(shown_);
  return out;
}

void WindowDriver::AnswerBoxes() {
  std::vector<HWND> boxes;
  EnumThreadWindows(GetCurrentThreadId(), &CollectBox, reinterpret_cast<LPARAM>(&boxes));
  // Only the boxes still up are remembered: a long run shows a box at every save, and the handle
  // of a closed box may come back as a new one.
  std::erase_if(answered_, [&](HWND box) { return std::ranges::find(boxes, box) == boxes.end(); });
  for (const HWND box : boxes) {
    if (!answered_.insert(box).second) continue;
    if (IsPropertyFrame(box)) {
      // A filter's property frame: its title is what the user sees; Cancel closes it.
      shown_.push_back("property-frame " + Quote(ui::win32::WindowText(box)));
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      continue;
    }
    std::string text;
    EnumChildWindows(box, &LongestStatic, reinterpret_cast<LPARAM>(&text));
    if (GetDlgItem(box, IDYES)) {  // a question: Yes or No as the script says
      shown_.push_back("confirm " + Quote(FromNativeLineBreaks(text)));
      const int answer = confirm_answer_ ? IDYES : IDNO;
      confirm_answer_ = true;
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
      continue;
    }
    const bool error = ui::win32::WindowText(box) == ui::win32::Win32Platform::kErrorCaption;
    shown_.push_back(std::string(error ? "error " : "message ") +
                     Quote(FromNativeLineBreaks(text)));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  }
}

void WindowDriver::AddDevice(const DeviceDef& device) {
  standin_.Add(
      {device.encoder, device.name, device.clsid.value_or(""), device.procamp, device.pages});
}

std::vector<ProcampSet> WindowDriver::TakeProcamp() {
  std::vector<ProcampSet> sets;
  for (const StandinPrefix::Set& set : standin_.TakeProcampSets())
    sets.push_back({set.device, set.property, set.value, set.flags});
  return sets;
}

std::vector<std::string> WindowDriver::GraphFilters() {
  return Form().FilterGraph1.FilterNames();
}

void WindowDriver::AddFolder(const std::string& path) {
  // Each missing level is made, and removed again when the script ends.
  for (size_t at = path.find('\\', 3);; at = path.find('\\', at + 1)) {
    const std::string level = path.substr(0, at);
    if (CreateDirectoryA(level.c_str(), nullptr)) created_folders_.push_back(level);
    if (at == std::string::npos) break;
  }
}

}  // namespace quellon::scenario
