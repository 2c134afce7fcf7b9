// The main window on the real screen: it lies inside its monitor's work area with "Reset" and
// "Save settings" in reach, each device list opens wide enough for its longest entry, and the
// window's small icon goes with the window.
//
// tools/wine-screen runs these tests once more at 144 DPI on a 1280x720 screen, too small for the
// window at that DPI, and names that screen in QUELLON_SCREEN ("DPI WIDTHxHEIGHT").

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/form1.h"
#include "app/res/resource_ids.h"
#include "base/win32/handles_win32.h"
#include "live_window.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"
#include "testing/simulated_devices.h"

namespace quellon::testing {
namespace {

RECT WindowRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The widest item text of a drop-down box, measured in the box's font.
int WidestItem(HWND box) {
  win32::WindowDC dc(box);
  dc.Select(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
  int widest = 0;
  const auto count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[512] = {};
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text, lstrlenA(text), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  return widest;
}

class MainWindowOnScreen : public ::testing::Test {
 protected:
  MainWindowOnScreen() {
    mirror =
        std::make_unique<ui::win32::Win32Mirror>(app, form, GetModuleHandleA(nullptr), kIconId);
    platform.AttachMirror(mirror.get());
    loop = std::make_unique<ui::win32::MessageLoop>(app, *mirror);
    mirror->on_activate = [this] { form.FormActivate(); };
    mirror->Show(SW_SHOWNORMAL);
    Pump();
  }
  ~MainWindowOnScreen() override {
    platform.AttachMirror(nullptr);
    loop.reset();
    mirror.reset();
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  void Pump() {
    for (int i = 0; i < 20; ++i) {
      loop->RunPending();
      Sleep(1);
    }
  }
  HWND W(const ui::Control& c) const { return mirror->WindowOf(c); }

  // The open list must show every item whole: CB_GETDROPPEDWIDTH, and the list as it opens.
  void ExpectWholeItems(const ui::ComboBox& list) {
    const HWND box = W(list);
    const int widest = WidestItem(box);
    const auto dropped = static_cast<int>(SendMessageA(box, CB_GETDROPPEDWIDTH, 0, 0));
    const RECT closed = WindowRect(box);
    EXPECT_GE(dropped, widest + 2 * GetSystemMetrics(SM_CXBORDER)) << list.name();
    EXPECT_GE(dropped, closed.right - closed.left) << list.name();
    EXPECT_EQ(closed.right - closed.left, mirror->Scale(list.width())) << list.name();

    SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(box, &info));
    RECT shown{};
    GetClientRect(info.hwndList, &shown);
    EXPECT_GE(shown.right - shown.left, widest) << list.name();
    SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
  }

  RecordingPlatform platform;
  ui::Application app{platform};
  MemoryRegistry registry;
  SimulatedDevices devices;
  MemoryFileSystem files;
  TForm1 form{app, registry, devices, files};
  std::unique_ptr<ui::win32::Win32Mirror> mirror;
  std::unique_ptr<ui::win32::MessageLoop> loop;
};

TEST_F(MainWindowOnScreen, LiesInsideTheWorkAreaWithResetAndSaveInReach) {
  const HWND window = mirror->form_window();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor));
  // Run on a named screen, the test first makes sure it got that screen.
  if (const char* screen = std::getenv("QUELLON_SCREEN")) {
    int dpi = 0, width = 0, height = 0;
    ASSERT_EQ(std::sscanf(screen, "%d %dx%d", &dpi, &width, &height), 3) << screen;
    const win32::WindowDC display(nullptr);
    EXPECT_EQ(GetDeviceCaps(display.get(), LOGPIXELSY), dpi);
    EXPECT_EQ(monitor.rcMonitor.right - monitor.rcMonitor.left, width);
    EXPECT_EQ(monitor.rcMonitor.bottom - monitor.rcMonitor.top, height);
  }
  EXPECT_TRUE(Inside(WindowRect(window), monitor.rcWork));
  for (const ui::Button* button : {&form.Reset, &form.Save})
    EXPECT_TRUE(Inside(WindowRect(W(*button)), monitor.rcWork)) << button->name();
}

TEST_F(MainWindowOnScreen, DeviceListsOpenWideEnoughForTheirLongestEntry) {
  devices.AddDevice({kVideoInputDeviceCategory, "Hauppauge WinTV PVR PCI II Capture"});
  devices.AddDevice({kEncoderCategory, "Hauppauge WinTV PVR PCI II Encoder"});
  form.TabControl1.Select(4);
  Pump();
  ASSERT_EQ(form.Frame150b.capture_list.list.items().size(), 2u);
  ExpectWholeItems(form.Frame150b.capture_list.list);
  ExpectWholeItems(form.Frame150b.encoder_list.list);
  form.TabControl1.Select(2);
  Pump();
  ASSERT_EQ(form.Frame250.capture_list.list.items().size(), 2u);
  ExpectWholeItems(form.Frame250.capture_list.list);

  // A longer name listed later widens the list again.
  const int before =
      static_cast<int>(SendMessageA(W(form.Frame150b.capture_list.list), CB_GETDROPPEDWIDTH, 0, 0));
  devices.AddDevice({kVideoInputDeviceCategory,
                     "Hauppauge WinTV PVR PCI II Capture with a much longer name (second card)"});
  form.TabControl1.Select(4);
  Pump();
  ASSERT_EQ(form.Frame150b.capture_list.list.items().size(), 3u);
  ExpectWholeItems(form.Frame150b.capture_list.list);
  EXPECT_GT(SendMessageA(W(form.Frame150b.capture_list.list), CB_GETDROPPEDWIDTH, 0, 0), before);
}

TEST_F(MainWindowOnScreen, TheSmallIconIsDestroyedWithTheWindow) {
  const HWND window = mirror->form_window();
  auto shown = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (!shown) shown = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
  ASSERT_TRUE(shown);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(shown, &info));
  // The copies of the icon's bitmaps that the call hands over.
  const win32::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
  platform.AttachMirror(nullptr);
  loop.reset();
  mirror.reset();
  EXPECT_FALSE(GetIconInfo(shown, &info)) << "the small icon outlived its window";
}

}  // namespace
}  // namespace quellon::testing
