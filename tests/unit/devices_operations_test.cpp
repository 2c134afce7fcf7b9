// The main window's device operations over the simulated system: errors end them and leave no
// filter behind, and ProcAmp reaches every card of the kind.

#include <gtest/gtest.h>

#include "app/form1.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"
#include "testing/simulated_devices.h"

namespace quellon {
namespace {

class DeviceOperations : public ::testing::Test {
 protected:
  void Add(const std::string& name, std::optional<std::string> clsid = FormatGuid(kProxyClass)) {
    SimulatedDevice d;
    d.category = kVideoInputDeviceCategory;
    d.name = name;
    d.clsid = std::move(clsid);
    devices.AddDevice(d);
  }

  MemoryRegistry registry;
  ui::HeadlessPlatform platform;
  ui::Application app{platform};
  SimulatedDevices devices{[this](const std::string& t) { platform.RecordPropertyFrame(t); }};
  MemoryFileSystem files;
  TForm1 form{app, registry, devices, files};
};

TEST_F(DeviceOperations, AClassTextTheSystemRejectsEndsTheOperationAndReleasesAll) {
  Add("Hauppauge PVR II");
  Add("Other", "{not a class}");
  app.Run([&] { form.ShowPvrPropPage(DeviceKind::Pvr150Capture, 1); });
  const auto shown = platform.TakeShown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].kind, ui::HeadlessPlatform::Shown::Kind::Error);
  EXPECT_EQ(shown[0].text, "OLE error 800401F3");
  EXPECT_EQ(devices.LiveFilters(), 0);
  EXPECT_TRUE(form.FilterGraph1.FilterNames().empty());
}

TEST_F(DeviceOperations, ASaveWithProcampReachesEveryCardAndLeavesNoFilterBehind) {
  Add("Hauppauge PVR II");
  Add("Hauppauge PVR II #2");
  form.Frame150.saturation.slider.SetPosition(40);
  form.Frame150.saturation.save.SetChecked(true);
  form.SetProcampSettings(DeviceKind::Pvr150Capture);
  EXPECT_EQ(devices.TakeProcampCalls(),
            (std::vector<ProcampCall>{{"Hauppauge PVR II", 3, 40, 1},
                                      {"Hauppauge PVR II #2", 3, 40, 1}}));
  // Other kinds are bound and asked for ProcAmp, but receive no values.
  form.SetProcampSettings(DeviceKind::Pvr250Capture);
  EXPECT_TRUE(devices.TakeProcampCalls().empty());
  EXPECT_EQ(devices.LiveFilters(), 0);
}

TEST_F(DeviceOperations, OpeningPastTheLastMatchOrAtTheHeadingDoesNothing) {
  Add("Hauppauge PVR II");
  for (const int wanted : {-1, 0, 2}) {
    form.ShowPvrPropPage(DeviceKind::Pvr150Capture, wanted);
    EXPECT_TRUE(platform.TakeShown().empty()) << wanted;
  }
  form.ShowPvrPropPage(DeviceKind::Pvr150Capture, 1);
  EXPECT_EQ(platform.TakeShown().size(), 1u);
}

}  // namespace
}  // namespace quellon
