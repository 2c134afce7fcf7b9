// The catalogue of written values against what a save really writes: a save with every box on
// every page ticked writes exactly the values the catalogue lists, so a backup or an export built
// from it misses nothing.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/form1.h"
#include "registry/cp1252.h"
#include "registry/registry_util.h"
#include "settings/catalogue.h"
#include "testing/headless_platform.h"
#include "testing/memory_registry.h"
#include "testing/no_devices.h"

namespace quellon {
namespace {

const std::string kInstance = std::string(MediaClassKey) + "\\0000";
const std::string kMarkedDriver = "SYSTEM\\CurrentControlSet\\Services\\Class\\MEDIA\\0000\\Driver";

// Every value below `path`, as "KEY|NAME" with the key spelt as the registry keeps it.
void Collect(RegistryApi& api, const std::string& path, std::set<std::string>* found) {
  RegKey key;
  ASSERT_EQ(kErrorSuccess, RegKey::Open(api, kHkeyLocalMachine, path, kKeyRead, &key)) << path;
  std::vector<std::string> names;
  ASSERT_EQ(kErrorSuccess, ListValueNames(api, key.get(), &names));
  for (const std::string& name : names) found->insert(path + "|" + name);
  ASSERT_EQ(kErrorSuccess, ListSubKeyNames(api, key.get(), &names));
  for (const std::string& child : names)
    Collect(api, path.empty() ? child : path + "\\" + child, found);
}

// The places a catalogue entry stands for on this machine: one device instance, one marked key.
std::vector<std::string> PlacesOf(const settings::Value& value) {
  using settings::Where;
  std::vector<std::string> places;
  if (value.where == Where::Plain || value.where == Where::PlainThenFanOut)
    places.push_back(std::string(value.key) + "|" + value.name);
  if (value.where == Where::FanOut || value.where == Where::PlainThenFanOut)
    places.push_back(kInstance + "\\DriverData|" + value.name);
  if (value.where == Where::MarkedDriverKeys) places.push_back(kMarkedDriver + "|" + value.name);
  return places;
}

bool SamePlace(const std::string& a, const std::string& b) {
  return RegNamesEqual(a, b);
}

TEST(SettingsCatalogue, ListsExactlyWhatAFullSaveWrites) {
  MemoryRegistry registry;
  const RegistryOps ops(registry);
  ops.SetRegIntKeyHKLM(kInstance + "\\DriverData", "Seeded", 0);
  ops.SetRegIntKeyHKLM(kMarkedDriver, "EnableVIMProtection", 1);
  ui::HeadlessPlatform platform;
  ui::Application app(platform);
  NoDevices devices;
  TForm1 form(app, registry, devices);
  form.FrameWintv2k.country_code.ForceCountryEdit.SetText("31");
  form.FrameWintv2k.country_code.ForceCountry.SetChecked(true);
  form.FrameWintv2k.buffer_path.LiveDir.SetText("C:\\Buffer\\LiveTV.tmp");
  form.FrameWintv2k.snapshot.Hres.SetText("720");
  form.FrameWintv2k.snapshot.VRes.SetText("576");
  for (Page* page : form.PagesInOrder())
    for (Row* row : page->rows())
      if (ui::CheckBox* save = row->SaveBox()) save->SetChecked(true);
  form.SetSettingsInRegistry();

  std::set<std::string> written;
  Collect(registry, "", &written);
  written.erase(kInstance + "\\DriverData|Seeded");
  written.erase(kMarkedDriver + "|EnableVIMProtection");
  std::set<std::string> listed;
  for (const settings::Value* value : settings::WrittenValues()) {
    for (const std::string& place : PlacesOf(*value)) {
      bool found = false;
      for (const std::string& w : written) found = found || SamePlace(w, place);
      EXPECT_TRUE(found) << place << " is listed but a full save does not write it";
      listed.insert(place);
    }
  }
  for (const std::string& w : written) {
    bool found = false;
    for (const std::string& place : listed) found = found || SamePlace(w, place);
    EXPECT_TRUE(found) << w << " is written but not listed";
  }
}

}  // namespace
}  // namespace quellon
