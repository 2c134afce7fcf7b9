// The device layer over the simulated system: class texts, the search's matching rules, and the
// binding's life in the graph, on the paths that succeed and on those that fail.

#include <gtest/gtest.h>

#include <memory>

#include "devices/device_error.h"
#include "devices/device_search.h"
#include "devices/no_devices.h"
#include "testing/simulated_devices.h"

namespace quellon {
namespace {

TEST(Guid, ReadsTheBracedFormInEitherCaseAndRejectsEverythingElse) {
  const auto g = ParseGuid("{17cca71b-ECD7-11d0-b908-00A0C9223196}");
  ASSERT_TRUE(g);
  EXPECT_EQ(*g, kProxyClass);
  EXPECT_EQ(FormatGuid(*g), "{17CCA71B-ECD7-11D0-B908-00A0C9223196}");
  for (const char* bad :
       {"", "17CCA71B-ECD7-11D0-B908-00A0C9223196", "{17CCA71B-ECD7-11D0-B908-00A0C922319}",
        "{17CCA71B-ECD7-11D0-B908-00A0C92231960}", "{17CCA71B ECD7-11D0-B908-00A0C9223196}",
        "{17CCA71B-ECD7-11D0-B908-00A0C922319G}", " {17CCA71B-ECD7-11D0-B908-00A0C9223196}",
        "{+7CCA71B-ECD7-11D0-B908-00A0C9223196}"})
    EXPECT_FALSE(ParseGuid(bad)) << bad;
}

TEST(OleErrorText, PrefersTheSystemsMessageWithoutItsLineBreakAndStop) {
  EXPECT_EQ(OleErrorText(0x800401F3, "Invalid class string.\r\n"), "Invalid class string");
  EXPECT_EQ(OleErrorText(0x800401F3, ""), "OLE error 800401F3");
  EXPECT_EQ(OleErrorText(0x80004002, " \r\n"), "OLE error 80004002");
}

TEST(DeviceSearch, NamesMatchBothWordsWhateverTheirCase) {
  EXPECT_TRUE(NameMatches("hauppauge wintv pvr", DeviceKind::Pvr250Capture));
  EXPECT_FALSE(NameMatches("hauppauge wintv pvr", DeviceKind::Pvr150Capture));
  EXPECT_TRUE(NameMatches("HAUPPAUGE wintv-ii", DeviceKind::Pvr150Encoder));
  EXPECT_FALSE(NameMatches("Hauppage PVR II", DeviceKind::Pvr250Capture));  // misspelt maker
  EXPECT_FALSE(NameMatches("", DeviceKind::Pvr150Capture));
  // Bytes outside ASCII neither match nor break the test.
  EXPECT_TRUE(NameMatches("\xC9tude Hauppauge \xFF II", DeviceKind::Pvr150Capture));
}

TEST(DeviceSearch, CutsNamesToTwoHundredFiftyFiveCharacters) {
  EXPECT_EQ(CutFriendlyName(std::string(255, 'a')).size(), 255u);
  EXPECT_EQ(CutFriendlyName(std::string(100000, 'b')), std::string(255, 'b'));
  EXPECT_EQ(CutFriendlyName(""), "");
}

class Binding : public ::testing::Test {
 protected:
  void Add(const std::string& name, bool procamp = true) {
    SimulatedDevice d;
    d.category = kVideoInputDeviceCategory;
    d.name = name;
    d.procamp = procamp;
    system.AddDevice(d);
  }

  // Binds the device at `position` of the video input category, as the operations do.
  static void BindAt(DeviceSearch& search, int position) {
    search.DeviceList.LoadCategory(kVideoInputDeviceCategory);
    search.Bind(position);
  }

  SimulatedDevices system;
  TFilterGraph graph{system};
};

TEST_F(Binding, LivesInTheGraphFromAttachToDetach) {
  Add("Hauppauge PVR II");
  graph.Loaded();
  // The manager waits for the first binding: a window that lists no device makes none.
  EXPECT_TRUE(graph.FilterNames().empty());
  EXPECT_EQ(system.GraphsMade(), 0);
  {
    DeviceSearch search(system, graph);
    ASSERT_TRUE(graph.Active());
    EXPECT_EQ(system.GraphsMade(), 1);
    EXPECT_TRUE(graph.FilterNames().empty());  // no moniker yet, nothing enters the graph
    search.ForEachMatch(DeviceKind::Pvr150Capture, [&](const DeviceEntry&, int position, int) {
      search.Bind(position);
      return true;
    });
    EXPECT_EQ(graph.FilterNames(), std::vector<std::string>{""});
    EXPECT_EQ(system.LiveFilters(), 1);
    // Binding again replaces the live filter rather than adding a second one.
    search.Bind(0);
    EXPECT_EQ(graph.FilterNames().size(), 1u);
    EXPECT_EQ(system.LiveFilters(), 1);
  }
  EXPECT_TRUE(graph.FilterNames().empty());
  EXPECT_EQ(system.LiveFilters(), 0);
}

TEST_F(Binding, ReleasesTheFilterWhenAnInterfaceIsMissing) {
  Add("Hauppauge PVR II", false);
  graph.Loaded();
  EXPECT_THROW(
      {
        DeviceSearch search(system, graph);
        BindAt(search, 0);
        EXPECT_EQ(system.LiveFilters(), 1);
        search.DeviceFilter.QueryProcAmp();
      },
      InterfaceNotSupported);
  EXPECT_EQ(system.LiveFilters(), 0);
  EXPECT_TRUE(graph.FilterNames().empty());
}

TEST_F(Binding, WithoutAGraphManagerHasNoLiveFilter) {
  Add("Hauppauge PVR II");
  NoDevices none;
  TFilterGraph inactive{none};
  inactive.Loaded();
  EXPECT_FALSE(inactive.Active());
  DeviceSearch search(system, inactive);
  BindAt(search, 0);
  EXPECT_EQ(system.LiveFilters(), 0);
  EXPECT_THROW(search.DeviceFilter.QueryBaseFilter(), InterfaceNotSupported);
}

TEST_F(Binding, AGraphActivatedLateTakesInTheBindingsAlreadyAttached) {
  Add("Hauppauge PVR II");
  graph.AutoCreate = false;
  graph.Loaded();
  EXPECT_FALSE(graph.Active());
  DeviceSearch search(system, graph);
  BindAt(search, 0);
  EXPECT_EQ(system.LiveFilters(), 0);
  graph.SetActive(true);
  EXPECT_EQ(graph.FilterNames().size(), 1u);
  graph.SetActive(false);
  EXPECT_EQ(system.LiveFilters(), 0);
}

TEST_F(Binding, OutlivingItsGraphLeavesItWithoutOne) {
  Add("Hauppauge PVR II");
  auto other = std::make_unique<TFilterGraph>(system);
  other->Loaded();
  TFilter binding;
  binding.SetFilterGraph(other.get());
  other.reset();
  EXPECT_EQ(binding.FilterGraph(), nullptr);
  binding.Rebind();  // nothing to rebind into
  EXPECT_EQ(system.LiveFilters(), 0);
}

TEST_F(Binding, TwoFiltersUnderOneNameAreToldApartByTheGraph) {
  Add("Hauppauge PVR II");
  Add("Hauppauge PVR II #2");
  graph.Loaded();
  DeviceSearch first(system, graph);
  DeviceSearch second(system, graph);
  BindAt(first, 0);
  BindAt(second, 1);
  EXPECT_EQ(graph.FilterNames(), (std::vector<std::string>{"", " 0001"}));
}

}  // namespace
}  // namespace quellon
