// The main window for keyboard and screen-reader users: every control a user can reach tells a
// screen reader its name and role through MSAA, asked as the system's own tools ask, and frees
// the objects it hands out; a save box shows its focus; the disabled transfer buttons point to the
// window menu; Ctrl+PageDown turns the pages; the device lists show their heading whole; and a
// change of DPI lays the window out as a start at that DPI does.
//
// With QUELLON_PICTURES set to a folder, the tests leave pictures of what they looked at there.

// clang-format off
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>  // needs the types of windows.h
#include <oleacc.h>
#include <malloc.h>  // _get_heap_handle
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "base/win32/handles_win32.h"
#include "live_window.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"
#include "testing/simulated_devices.h"
#include "ui/win32/list_dialog_win32.h"
#include "window_picture.h"

namespace quellon::testing {
namespace {

using quellon::win32::ComPtr;

// The program's main window, started at the system's DPI or at `screen_dpi`.
class MainWindow {
 public:
  explicit MainWindow(int screen_dpi = 0) {
    mirror = std::make_unique<ui::win32::Win32Mirror>(app, form, GetModuleHandleA(nullptr), 0,
                                                      screen_dpi);
    platform.AttachMirror(mirror.get());
    loop = std::make_unique<ui::win32::MessageLoop>(app, *mirror);
    mirror->Show(SW_SHOWNORMAL);
    Pump();
  }
  ~MainWindow() {
    platform.AttachMirror(nullptr);
    loop.reset();
    mirror.reset();
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  void Pump(DWORD ms = 50) {
    const DWORD start = GetTickCount();
    do {
      loop->RunPending();
      Sleep(1);
    } while (GetTickCount() - start < ms);
  }
  void Post(HWND to, UINT message, WPARAM wp, LPARAM lp) {
    PostMessageA(to, message, wp, lp);
    Pump();
  }
  void ShowTab(int index) {
    form.TabControl1.Select(index);
    Pump();
  }
  HWND W(const ui::Control& c) const { return mirror->WindowOf(c); }

  RecordingPlatform platform;
  ui::Application app{platform};
  MemoryRegistry registry;
  SimulatedDevices devices;
  MemoryFileSystem files;
  TForm1 form{app, registry, devices, files};
  std::unique_ptr<ui::win32::Win32Mirror> mirror;
  std::unique_ptr<ui::win32::MessageLoop> loop;
};

std::string Narrow(const OLECHAR* text) {
  if (!text) return {};
  char buffer[512] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
  return buffer;
}

// The name and role a screen reader reads for the window, or why it reads none.
std::pair<std::string, long> ReadThroughMsaa(HWND window) {
  ComPtr<IAccessible> object;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(object.GetAddressOf()))))
    return {"(no accessible object)", 0};
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT named = object->get_accName(self, &name);
  const win32::UniqueBstr owned_name(name);
  win32::Variant role;
  if (FAILED(object->get_accRole(self, role.ptr())) || role.get().vt != VT_I4)
    return {Narrow(name), 0};
  return {named == S_OK ? Narrow(name) : "(no name)", role.get().lVal};
}

// The roles the system gives its own controls of each kind; none for what a user cannot reach.
long ExpectedRole(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::Button:
      return ROLE_SYSTEM_PUSHBUTTON;
    case ui::ControlKind::CheckBox:
      return ROLE_SYSTEM_CHECKBUTTON;
    case ui::ControlKind::Slider:
      return ROLE_SYSTEM_SLIDER;
    case ui::ControlKind::Edit:
    case ui::ControlKind::Memo:
      return ROLE_SYSTEM_TEXT;
    case ui::ControlKind::ComboBox:
      return ROLE_SYSTEM_COMBOBOX;
    case ui::ControlKind::TabControl:
      return ROLE_SYSTEM_PAGETABLIST;
    default:
      return 0;
  }
}

void CollectReachable(ui::Control& c, std::vector<ui::Control*>* out) {
  if (!c.visible()) return;
  if (ExpectedRole(c.kind())) out->push_back(&c);
  for (ui::Control* child : c.children()) CollectReachable(*child, out);
}

// The names the page's rows give by their table entries: a slider and its value box the row's
// caption, a save box "Save" and the caption, a device list its caption and its button "Open" and
// the caption, the browse button "Browse for" and what it browses.
std::map<const ui::Control*, std::string> TableNames(const Page& page) {
  std::map<const ui::Control*, std::string> names;
  for (Row* row : page.rows()) {
    const std::string caption = row->Caption().caption();
    if (ui::CheckBox* save = row->SaveBox()) names[save] = "Save " + caption;
    if (auto* slider = dynamic_cast<SliderRow*>(row)) {
      names[&slider->slider] = names[&slider->edit] = slider->def().caption;
    } else if (auto* box = dynamic_cast<BoxRow*>(row)) {
      names[&box->box] = box->def().caption;
    } else if (auto* list = dynamic_cast<FilterListRow*>(row)) {
      names[&list->list] = caption;
      names[&list->open] = "Open " + caption;
    } else if (auto* buffer = dynamic_cast<BufferPathRow*>(row)) {
      names[&buffer->LiveDir] = caption;
      names[&buffer->LiveDirBtn] = "Browse for " + caption;
    } else if (auto* country = dynamic_cast<CountryCodeRow*>(row)) {
      names[&country->ForceCountryEdit] = caption;
    } else if (auto* snapshot = dynamic_cast<SnapshotRow*>(row)) {
      names[&snapshot->Hres] = caption + " width";
      names[&snapshot->VRes] = caption + " height";
    }
  }
  return names;
}

TEST(Accessibility, EveryReachableControlOfEveryPageHasItsNameAndRole) {
  MainWindow window;
  window.devices.AddDevice({kVideoInputDeviceCategory, "Hauppauge WinTV PVR PCI II Capture"});
  TForm1& form = window.form;
  int checked = 0;
  for (int tab = 0; tab < static_cast<int>(form.TabControl1.tabs().size()); ++tab) {
    window.ShowTab(tab);
    const Page* page = form.PageAt(tab);
    const auto table = page ? TableNames(*page) : std::map<const ui::Control*, std::string>{};
    std::vector<ui::Control*> reachable;
    CollectReachable(form, &reachable);
    std::set<std::pair<std::string, long>> seen;
    for (const ui::Control* c : reachable) {
      const std::string where =
          form.TabControl1.tabs()[static_cast<size_t>(tab)] + ": " + c->name();
      const HWND native = window.W(*c);
      ASSERT_TRUE(native) << where;
      const auto [name, role] = ReadThroughMsaa(native);
      EXPECT_EQ(role, ExpectedRole(c->kind())) << where;
      const auto from_table = table.find(c);
      if (from_table != table.end()) {
        EXPECT_EQ(name, from_table->second) << where;
      } else if (!c->caption().empty()) {
        EXPECT_EQ(name, c->caption()) << where;
      }
      EXPECT_FALSE(name.empty()) << where;
      // Two controls of one role and name on one page could not be told apart.
      EXPECT_TRUE(seen.insert({name, role}).second) << where << " shares the name " << name;
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}

// The busy blocks of the C runtime's heap, where the program's own objects live.
long RuntimeHeapBlocks() {
  const auto heap = reinterpret_cast<HANDLE>(_get_heap_handle());
  long blocks = 0;
  HeapLock(heap);
  PROCESS_HEAP_ENTRY entry{};
  while (HeapWalk(heap, &entry))
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++blocks;
  HeapUnlock(heap);
  return blocks;
}

// A screen reader asks again and again: every object the window hands it is freed after use.
TEST(Accessibility, AScreenReadersQuestionsLeaveNoObjectBehind) {
  MainWindow window;
  const HWND save = window.W(window.form.Save);
  ReadThroughMsaa(save);
  const long before = RuntimeHeapBlocks();
  for (int i = 0; i < 100; ++i) ReadThroughMsaa(save);
  EXPECT_LT(RuntimeHeapBlocks() - before, 50);
}

// The pixels of the save box, drawn anew.
std::vector<COLORREF> Drawn(MainWindow& window, HWND box) {
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  window.Pump();
  return WindowPixels(box);
}

TEST(Accessibility, ASaveBoxShowsItsFocusUnlessTheSystemHidesFocusCues) {
  MainWindow window;
  window.ShowTab(3);
  const ui::CheckBox& save = window.form.Frame150.brightness.save;
  const HWND box = window.W(save);
  const HWND form = window.mirror->form_window();
  SendMessageA(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  SetFocus(window.W(window.form.Frame150.brightness.slider));
  window.Pump();
  const std::vector<COLORREF> unfocused = Drawn(window, box);

  SetFocus(box);
  window.Pump();
  ASSERT_EQ(window.app.focused(), &save);
  const std::vector<COLORREF> focused = Drawn(window, box);
  ASSERT_EQ(focused.size(), unfocused.size());
  int differing = 0;
  for (size_t i = 0; i < focused.size(); ++i) differing += focused[i] != unfocused[i];
  // A dotted rectangle around the 17-pixel box changes about half of its edge.
  EXPECT_GE(differing, 16);
  if (const char* folder = std::getenv("QUELLON_PICTURES")) {
    // The row around the box: its caption, slider, value box and the focused save box.
    RECT row{};
    GetWindowRect(window.W(window.form.Frame150.brightness.caption), &row);
    RECT right{};
    GetWindowRect(box, &right);
    row.top = std::min(row.top, right.top) - 8;
    row.bottom = right.bottom + 8;
    row.left -= 4;
    row.right = right.right + 8;
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&row), 2);
    SavePicture(form, row, std::string(folder) + "\\focused_save_box.bmp");
  }

  // Keyboard cues hidden (the system's setting, until a key moves the focus): no rectangle. A
  // system that keeps no such state for a window (Wine 8) always shows the cues.
  SendMessageA(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  window.Pump();
  if (!(SendMessageA(form, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    std::printf("note: this system keeps no keyboard-cue state; hidden cues not tried\n");
    return;
  }
  EXPECT_EQ(Drawn(window, box), unfocused);
  // Tab to the next box and back: the key shows the cues again.
  window.Post(box, WM_KEYDOWN, VK_TAB, 0);
  SetFocus(box);
  window.Pump();
  EXPECT_EQ(SendMessageA(box, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0);
  EXPECT_NE(Drawn(window, box), unfocused);
}

TEST(Accessibility, CtrlPageDownAndPageUpTurnThePagesFromAnyControl) {
  MainWindow window;
  window.ShowTab(3);
  const ui::Slider& slider = window.form.Frame150.brightness.slider;
  SetFocus(window.W(slider));
  window.Pump();
  const int position = slider.position();
  BYTE keys[256] = {};
  ASSERT_TRUE(GetKeyboardState(keys));
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  window.Post(window.W(slider), WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(window.form.TabControl1.tab_index(), 4);
  EXPECT_EQ(slider.position(), position) << "the slider took the key";
  window.Post(GetFocus(), WM_KEYDOWN, VK_NEXT, 0);  // from the last page to the first
  EXPECT_EQ(window.form.TabControl1.tab_index(), 0);
  window.Post(GetFocus(), WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(window.form.TabControl1.tab_index(), 4);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

// The disabled buttons stay disabled and name the window menu's commands in a tooltip, which the
// pointer over them finds.
TEST(Accessibility, TheDisabledTransferButtonsPointToTheWindowMenu) {
  MainWindow window;
  const HWND form = window.mirror->form_window();
  HWND tips = nullptr;
  for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w;
       w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr))
    if (GetWindow(w, GW_OWNER) == form) tips = w;
  ASSERT_TRUE(tips);
  const std::pair<const ui::Button*, const char*> buttons[] = {
      {&window.form.Button3, "Use Import from .reg file... in the window menu (Alt+Space)"},
      {&window.form.Button4, "Use Export to .reg file... in the window menu (Alt+Space)"}};
  for (const auto& [button, hint] : buttons) {
    EXPECT_FALSE(IsWindowEnabled(window.W(*button)));
    RECT area{};
    GetWindowRect(window.W(*button), &area);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&area), 2);
    char text[256] = {};
    TTHITTESTINFOA hit{};
    hit.hwnd = form;
    hit.pt = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    hit.ti.cbSize = sizeof hit.ti;
    hit.ti.lpszText = text;
    ASSERT_TRUE(SendMessageA(tips, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)))
        << button->name();
    SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&hit.ti));
    EXPECT_STREQ(text, hint);
  }
}

// The device lists show their heading whole; with QUELLON_PICTURES set, a picture of the page.
TEST(Accessibility, TheDeviceListsOfTheAdvancedPageShowTheirHeadingWhole) {
  MainWindow window;
  window.devices.AddDevice({kVideoInputDeviceCategory, "Hauppauge WinTV PVR PCI II Capture"});
  window.devices.AddDevice({kEncoderCategory, "Hauppauge WinTV PVR PCI II Encoder"});
  window.ShowTab(4);
  for (const ui::ComboBox* list :
       {&window.form.Frame150b.capture_list.list, &window.form.Frame150b.encoder_list.list}) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(window.W(*list), &info));
    RECT room{};
    SendMessageA(info.hwndItem, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    win32::WindowDC dc(info.hwndItem);
    dc.Select(reinterpret_cast<HFONT>(SendMessageA(info.hwndItem, WM_GETFONT, 0, 0)));
    const std::string& heading = list->items().front();
    SIZE text{};
    GetTextExtentPoint32A(dc.get(), heading.c_str(), static_cast<int>(heading.size()), &text);
    EXPECT_LE(text.cx, room.right - room.left) << heading;
  }
  if (const char* folder = std::getenv("QUELLON_PICTURES")) {
    const HWND page = window.W(window.form.Frame150b);
    RECT area{};
    GetClientRect(page, &area);
    SavePicture(page, area, std::string(folder) + "\\advanced_page.bmp");
  }
}

// Where each control of the window lies in its parent and how tall its font is.
using Layout = std::map<std::string, std::pair<RECT, LONG>>;

void ReadLayout(const MainWindow& window, const ui::Control& c, const std::string& path,
                Layout* out) {
  if (const HWND native = window.W(c)) {
    RECT r{};
    GetWindowRect(native, &r);
    if (const HWND parent = GetParent(native))
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (&c == &window.form) GetClientRect(native, &r);
    LOGFONTA font{};
    if (const auto f = reinterpret_cast<HFONT>(SendMessageA(native, WM_GETFONT, 0, 0)))
      GetObjectA(f, sizeof font, &font);
    (*out)[path] = {r, font.lfHeight};
  }
  for (const ui::Control* child : c.children())
    ReadLayout(window, *child, path + "/" + child->name(), out);
}

TEST(Accessibility, AChangeOfDpiLaysTheWindowOutAsAStartAtThatDpi) {
  constexpr int kNewDpi = 144;
  Layout wanted;
  {
    MainWindow there(kNewDpi);
    ASSERT_EQ(there.mirror->dpi(), kNewDpi) << "the screen is too small for the test";
    for (int tab : {1, 2, 3, 4}) there.ShowTab(tab);
    ReadLayout(there, there.form, "Form1", &wanted);
  }
  MainWindow window;
  ASSERT_NE(window.mirror->dpi(), kNewDpi);
  for (int tab : {1, 2, 3, 4}) window.ShowTab(tab);
  const HWND form = window.mirror->form_window();
  RECT suggested{};
  GetWindowRect(form, &suggested);
  OffsetRect(&suggested, 10, 20);
  SendMessageA(form, ui::win32::kDpiChanged, MAKEWPARAM(kNewDpi, kNewDpi),
               reinterpret_cast<LPARAM>(&suggested));
  window.Pump();
  EXPECT_EQ(window.mirror->dpi(), kNewDpi);
  Layout got;
  ReadLayout(window, window.form, "Form1", &got);
  ASSERT_EQ(got.size(), wanted.size());
  for (const auto& [path, place] : wanted) {
    const auto& [rect, font] = got.at(path);
    EXPECT_TRUE(EqualRect(&rect, &place.first))
        << path << ": " << rect.left << "," << rect.top << "-" << rect.right << "," << rect.bottom
        << " against " << place.first.left << "," << place.first.top << "-" << place.first.right
        << "," << place.first.bottom;
    EXPECT_EQ(font, place.second) << path;
  }
  RECT now{};
  GetWindowRect(form, &now);
  EXPECT_EQ(now.left, suggested.left);
  EXPECT_EQ(now.top, suggested.top);
}

// What the list dialog showed when it came up, seen from a timer while it runs its own loop.
struct ListDialogSeen {
  int rows = 0;
  int chosen = -1;
  bool list_focused = false;
  std::pair<std::string, long> list;
  std::pair<std::string, long> take;
  int list_width = 0;
  RECT frame{};
  WPARAM keys[2] = {};  // pressed on the list once it is seen
};
ListDialogSeen* g_dialog_seen = nullptr;

void CALLBACK LookAtListDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND dialog = FindWindowA("#32770", "Restore a backup");
  if (!dialog || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  ListDialogSeen& seen = *g_dialog_seen;
  const HWND list = GetDlgItem(dialog, ui::win32::kListDialogList);
  seen.rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  seen.chosen = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
  seen.list_focused = GetFocus() == list;
  seen.list = ReadThroughMsaa(list);
  seen.take = ReadThroughMsaa(GetDlgItem(dialog, IDOK));
  RECT inside{};
  GetClientRect(list, &inside);
  seen.list_width = inside.right;
  GetWindowRect(dialog, &seen.frame);
  if (const char* folder = std::getenv("QUELLON_PICTURES")) {
    UpdateWindow(dialog);
    SavePicture(GetDesktopWindow(), seen.frame, std::string(folder) + "\\backups_dialog.bmp");
  }
  for (const WPARAM key : seen.keys)
    if (key) PostMessageA(list, WM_KEYDOWN, key, 0);
}

// The list dialog comes up at the window's DPI inside the work area, its first row chosen and
// the list focused and named for a screen reader; Down and Enter take the second row, Esc cancels.
TEST(Accessibility, TheListDialogIsReadAndWorkedByKeys) {
  MainWindow window;
  const ui::ListDialog dialog{"Restore a backup",
                              "&Backups, newest first:",
                              {"2026-12-08 14:55:06  before a restore",
                               "2026-12-08 14:55:04  before a save", "2026-12-08 14:55:03"},
                              "&Restore"};
  const auto run = [&](WPARAM first, WPARAM second) {
    ListDialogSeen seen;
    seen.keys[0] = first;
    seen.keys[1] = second;
    g_dialog_seen = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &LookAtListDialog);
    const std::optional<std::size_t> taken = window.platform.ChooseFromList(dialog);
    KillTimer(nullptr, timer);
    g_dialog_seen = nullptr;
    return std::make_pair(seen, taken);
  };

  const auto [seen, taken] = run(VK_DOWN, VK_RETURN);
  EXPECT_EQ(taken, std::optional<std::size_t>(1));
  EXPECT_EQ(seen.rows, 3);
  EXPECT_EQ(seen.chosen, 0);
  EXPECT_TRUE(seen.list_focused);
  EXPECT_EQ(seen.list,
            std::make_pair(std::string("Backups, newest first"), long{ROLE_SYSTEM_LIST}));
  EXPECT_EQ(seen.take.first, "Restore");
  EXPECT_GE(seen.list_width, window.mirror->Scale(300));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(window.mirror->form_window(), MONITOR_DEFAULTTONEAREST),
                  &monitor);
  EXPECT_TRUE(seen.frame.left >= monitor.rcWork.left && seen.frame.top >= monitor.rcWork.top &&
              seen.frame.right <= monitor.rcWork.right &&
              seen.frame.bottom <= monitor.rcWork.bottom);

  EXPECT_EQ(run(VK_ESCAPE, 0).second, std::nullopt);
}

}  // namespace
}  // namespace quellon::testing
