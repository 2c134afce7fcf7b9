// The device layer on the system's own DirectShow: the real device enumerator lists the stand-in
// card filter's devices, device monikers bind to it through the proxy class, ProcAmp values reach
// it, and its property frame opens (a watcher thread closes it) and leaves the graph empty; every
// object the stand-in made is freed again.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>

#include "app/form1.h"
#include "base/win32/handles_win32.h"
#include "devices/device_error.h"
#include "devices/sys_dev_enum.h"
#include "devices/win32/com_text_win32.h"
#include "devices/win32/directshow_devices_win32.h"
#include "devices/win32/directshow_objects_win32.h"
#include "standin_setup_win32.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"
#include "testing/simulated_devices.h"

namespace quellon {
namespace {

// Finds this process's property frame, records its title and closes it, as a user would.
class FrameWatcher {
 public:
  FrameWatcher() : thread_(CreateThread(nullptr, 0, &FrameWatcher::Main, this, 0, nullptr)) {}
  ~FrameWatcher() {
    stop_ = true;
    WaitForSingleObject(thread_.get(), INFINITE);
  }
  FrameWatcher(const FrameWatcher&) = delete;
  FrameWatcher& operator=(const FrameWatcher&) = delete;

  // The titles of the frames closed so far, separated by newlines.
  std::string Titles() {
    stop_ = true;
    WaitForSingleObject(thread_.get(), INFINITE);
    return titles_;
  }

 private:
  static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid != GetCurrentProcessId() || std::string(cls) != "#32770" || !IsWindowVisible(hwnd))
      return TRUE;
    // Read without a message to the frame's thread, which may be busy or already waiting for us.
    wchar_t title[512] = L"";
    InternalGetWindowText(hwnd, title, 512);
    char ansi[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, title, -1, ansi, sizeof ansi, nullptr, nullptr);
    auto* watcher = reinterpret_cast<FrameWatcher*>(self);
    watcher->titles_ += std::string(ansi) + "\n";
    PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  }
  static DWORD WINAPI Main(void* self) {
    auto* watcher = static_cast<FrameWatcher*>(self);
    // A frame is closed at most once; later rounds may see it still closing.
    while (!watcher->stop_) {
      if (watcher->titles_.empty()) EnumWindows(&Visit, reinterpret_cast<LPARAM>(watcher));
      Sleep(50);
    }
    return 0;
  }

  std::atomic<bool> stop_{false};
  std::string titles_;
  win32::UniqueHandle thread_;
};

class DirectShowDevicesTest : public ::testing::Test {
 protected:
  void Add(const std::string& name, bool procamp = true, bool pages = true) {
    prefix.Add({false, name, "{17CCA71B-ECD7-11D0-B908-00A0C9223196}", procamp, pages});
  }

  win32::ComApartment com;
  StandinPrefix prefix;
  // The owner of the property frames: a plain window of this process.
  win32::UniqueWindow owner{CreateWindowExA(0, "STATIC", "Quellon", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                            100, nullptr, nullptr, GetModuleHandleA(nullptr),
                                            nullptr)};
  DirectShowDevices devices{[this] { return owner.get(); }};
  MemoryRegistry registry;
  MemoryFileSystem files;
  ui::HeadlessPlatform platform;
  ui::Application app{platform};
};

TEST_F(DirectShowDevicesTest, TheSystemEnumeratorListsTheCardsInTheirCategories) {
  Add("USB Camera");
  Add("Hauppauge WinTV PVR II Capture");
  prefix.Add({false, "Hauppauge WinTV PVR II Capture", "", true, true});  // no class
  prefix.Add({false, "Hauppauge WinTV PVR II Capture", "{860BB310-5D01-11D0-BD3B-00A0C911CE86}"});
  Add("Hauppauge WinTV PVR II Capture #2 " + std::string(300, 'x'));
  prefix.Add({true, "Hauppauge WinTV PVR II Encoder"});
  TForm1 form{app, registry, devices, files};
  form.ShowPvrPropPage(DeviceKind::Pvr150Capture);
  form.ShowPvrPropPage(DeviceKind::Pvr150Encoder);
  const std::string long_name =
      ("Hauppauge WinTV PVR II Capture #2 " + std::string(300, 'x')).substr(0, 255);
  EXPECT_EQ(form.Frame150b.capture_list.list.items(),
            (std::vector<std::string>{"-> Select Capture Source",
                                      "Hauppauge WinTV PVR II Capture (2)", long_name + " (5)"}));
  EXPECT_EQ(
      form.Frame150b.encoder_list.list.items(),
      (std::vector<std::string>{"-> Select Encoder Source", "Hauppauge WinTV PVR II Encoder (1)"}));
  EXPECT_TRUE(platform.TakeShown().empty());
}

TEST_F(DirectShowDevicesTest, ProcampValuesReachEveryCaptureCardWithFlagsOne) {
  Add("Hauppauge WinTV PVR II Capture");
  Add("Hauppauge WinTV PVR II Capture #2");
  TForm1 form{app, registry, devices, files};
  form.Frame150.hue.slider.SetPosition(-20);
  form.Frame150.hue.save.SetChecked(true);
  form.SetProcampSettings(DeviceKind::Pvr150Capture);
  EXPECT_EQ(prefix.TakeProcampLog(),
            "Hauppauge WinTV PVR II Capture\t2\t-20\t1\n"
            "Hauppauge WinTV PVR II Capture #2\t2\t-20\t1\n");
  EXPECT_TRUE(form.FilterGraph1.FilterNames().empty());
  // Every filter bound, and every object the system asked the stand-in for, is freed again.
  EXPECT_TRUE(StandinPrefix::AllReleased());
}

TEST_F(DirectShowDevicesTest, AFilterWithoutProcampStopsWithInterfaceNotSupported) {
  Add("Hauppauge WinTV PVR II Capture");
  Add("Hauppauge WinTV PVR II Capture #2", false);
  TForm1 form{app, registry, devices, files};
  form.Frame150.brightness.save.SetChecked(true);
  EXPECT_THROW(form.SetProcampSettings(DeviceKind::Pvr150Capture), InterfaceNotSupported);
  EXPECT_EQ(prefix.TakeProcampLog(), "Hauppauge WinTV PVR II Capture\t0\t0\t1\n");
  EXPECT_TRUE(form.FilterGraph1.FilterNames().empty());
}

TEST_F(DirectShowDevicesTest, OpeningShowsTheFiltersFrameAndTheFilterLeavesTheGraph) {
  Add("Hauppauge WinTV PVR II Capture", true, false);
  Add("Hauppauge WinTV PVR II Capture #2");
  if (!owner.get()) GTEST_SKIP() << "no display: windows cannot be made here";
  TForm1 form{app, registry, devices, files};
  FrameWatcher watcher;
  form.ShowPvrPropPage(DeviceKind::Pvr150Capture, 2);
  const std::string titles = watcher.Titles();
  EXPECT_EQ(titles, SimulatedDevices::FrameTitle("") + "\n");
  EXPECT_TRUE(form.FilterGraph1.FilterNames().empty());
  EXPECT_TRUE(StandinPrefix::AllReleased());  // the filter, its pages and their factories
  // The first card has no pages: nothing opens, nothing is reported.
  form.ShowPvrPropPage(DeviceKind::Pvr150Capture, 1);
  EXPECT_TRUE(platform.TakeShown().empty());
}

BOOL CALLBACK FindEdit(HWND hwnd, LPARAM found) {
  char cls[16] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, "Edit") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

// The system's frame never applies its pages, so the page is driven here as the frame would.
TEST_F(DirectShowDevicesTest, TheStandinPageAppliesTheBrightnessTypedIntoIt) {
  if (!owner.get()) GTEST_SKIP() << "no display: windows cannot be made here";
  Add("Hauppauge WinTV PVR II Capture");
  const auto filter = devices.MonikerAt(kVideoInputDeviceCategory, 0)->BindToObject();
  ASSERT_TRUE(filter);
  const auto pages = filter->PropertyPages();
  ASSERT_TRUE(pages && pages->size() == 1u);
  const GUID page_class = ToGUID(pages->front());
  ComPtr<IPropertyPage> page;
  ASSERT_EQ(CoCreateInstance(page_class, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                             reinterpret_cast<void**>(page.GetAddressOf())),
            S_OK);
  IUnknown* object = static_cast<DirectShowFilter&>(*filter).get();
  ASSERT_EQ(page->SetObjects(1, &object), S_OK);
  const RECT area{0, 0, 260, 140};
  ASSERT_EQ(page->Activate(owner.get(), &area, FALSE), S_OK);
  HWND edit = nullptr;
  EnumChildWindows(owner.get(), &FindEdit, reinterpret_cast<LPARAM>(&edit));
  ASSERT_TRUE(edit);
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  SetWindowTextA(edit, "42");
  EXPECT_EQ(page->IsPageDirty(), S_OK);
  EXPECT_EQ(page->Apply(), S_OK);
  // Text that is no number applies nothing.
  SetWindowTextA(edit, "4x");
  EXPECT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(page->Deactivate(), S_OK);
  EXPECT_EQ(page->SetObjects(0, nullptr), S_OK);
  EXPECT_EQ(prefix.TakeProcampLog(), "Hauppauge WinTV PVR II Capture\t0\t42\t2\n");
}

// The kernel handles this process holds: every handle value that the system answers for.
long KernelHandles() {
  long count = 0;
  for (ULONG_PTR h = 4; h < 0x10000; h += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) ++count;
  }
  return count;
}

// Wine's device enumerator keeps a key open for every category it lists: listing the cards again
// and again must not read the category list again.
TEST_F(DirectShowDevicesTest, ListingAgainHoldsNoMoreHandles) {
  TForm1 form{app, registry, devices, files};
  form.ShowPvrPropPage(DeviceKind::Pvr150Capture);
  const long before = KernelHandles();
  for (int i = 0; i < 10; ++i) {
    form.ShowPvrPropPage(DeviceKind::Pvr250Capture);
    form.ShowPvrPropPage(DeviceKind::Pvr150Encoder);
  }
  EXPECT_EQ(KernelHandles(), before);
}

TEST_F(DirectShowDevicesTest, ARejectedClassTextCarriesTheSystemsCode) {
  try {
    devices.ClsidFromString("not a class");
    FAIL() << "accepted";
  } catch (const ClassStringError& e) {
    EXPECT_EQ(static_cast<std::uint32_t>(e.code().value()), kInvalidClassString);
    EXPECT_FALSE(std::string(e.what()).empty());
  }
  EXPECT_EQ(devices.ClsidFromString("{17cca71b-ecd7-11d0-b908-00a0c9223196}"), kProxyClass);
}

}  // namespace
}  // namespace quellon
