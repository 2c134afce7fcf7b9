// The program's catalogue against what a save really writes: on a machine with several device
// instances and marked closed-caption keys, a save with every box on every page ticked writes
// exactly the values the catalogue made before it lists, so a backup or an export misses nothing
// and an import may change nothing else.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>

#include "app/form1.h"
#include "devices/no_devices.h"
#include "full_save.h"
#include "registry/registry_util.h"
#include "safety/program_catalogue.h"
#include "settings/keys.h"
#include "testing/forwarding_registry.h"
#include "testing/headless_platform.h"
#include "testing/memory_file_system.h"
#include "testing/memory_registry.h"

namespace quellon {
namespace {

const std::string kClass = settings::keys::kMediaClass;
const std::string kMedia = "SYSTEM\\CurrentControlSet\\Services\\Class\\MEDIA";
const std::string kOtherClass =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Every value below `path`, as "KEY|NAME" in lower case.
void Collect(RegistryApi& api, const std::string& path, std::set<std::string>* found) {
  RegKey key;
  ASSERT_EQ(kErrorSuccess, RegKey::Open(api, kHkeyLocalMachine, path, kKeyRead, &key)) << path;
  std::vector<std::string> names;
  ASSERT_EQ(kErrorSuccess, ListValueNames(api, key.get(), &names));
  for (const std::string& name : names) found->insert(Lower(path + "|" + name));
  ASSERT_EQ(kErrorSuccess, ListSubKeyNames(api, key.get(), &names));
  for (const std::string& child : names)
    Collect(api, path.empty() ? child : path + "\\" + child, found);
}

// Device instances and marked closed-caption keys of every kind the walks tell apart.
void SeedDeviceKeys(RegistryApi& registry) {
  const RegistryOps ops(registry);
  ops.SetRegIntKeyHKLM(kClass + "\\0000\\DriverData", "Seeded", 0);
  ops.SetRegIntKeyHKLM(kClass + "\\0001\\Other", "Seeded", 0);       // no DriverData: left alone
  ops.SetRegIntKeyHKLM(kClass + "\\0002\\driverdata", "Seeded", 0);  // any letter case
  ops.SetRegIntKeyHKLM(kClass + "\\0018", "Seeded", 0);              // gets one all the same
  ops.SetRegIntKeyHKLM(kMedia + "\\0000\\Driver", "EnableVIMProtection", 1);
  ops.SetRegIntKeyHKLM(kMedia + "\\0001\\Driver", "Seeded", 1);  // no marker
  ops.SetRegIntKeyHKLM(kOtherClass + "\\0003\\Driver", "enablevimprotection", 1);
}

TEST(ProgramCatalogue, ListsExactlyWhatAFullSaveWrites) {
  MemoryRegistry registry;
  SeedDeviceKeys(registry);
  std::set<std::string> before;
  Collect(registry, "", &before);

  const Catalogue catalogue = ProgramCatalogue(registry);
  ui::HeadlessPlatform platform;
  ui::Application app(platform);
  NoDevices devices;
  MemoryFileSystem files;
  TForm1 form(app, registry, devices, files);
  PrepareFullSave(form);
  form.SetSettingsInRegistry();

  std::set<std::string> written;
  Collect(registry, "", &written);
  for (const std::string& seeded : before) written.erase(seeded);
  std::set<std::string> listed;
  for (const CatalogueValue& value : catalogue.values())
    listed.insert(Lower(std::string(value.key) + "|" + value.name));
  EXPECT_EQ(written, listed);
  EXPECT_EQ(catalogue.size(), listed.size());  // no value listed twice in another letter case
  EXPECT_TRUE(catalogue.Contains(kHkeyLocalMachine, kClass + "\\0018\\DriverData", "HcwHue"));
  EXPECT_TRUE(
      catalogue.Contains(kHkeyLocalMachine, kOtherClass + "\\0003\\Driver", "InsertCCinDVD"));
  EXPECT_FALSE(catalogue.HasKey(kHkeyLocalMachine, kClass + "\\0001\\DriverData"));
}

// Counts how often each key is opened, by its full path in lower case.
class OpenCounter : public ForwardingRegistry {
 public:
  using ForwardingRegistry::ForwardingRegistry;
  RegStatus OpenKey(RegHandle parent, const std::string& subKey, RegAccess access,
                    RegHandle* result) override {
    const RegStatus status = ForwardingRegistry::OpenKey(parent, subKey, access, result);
    const std::string path = Lower(paths_[parent] + "\\" + subKey);
    if (status == kErrorSuccess) paths_[*result] = path;
    ++opened[path];
    return status;
  }
  std::map<std::string, int> opened;

 private:
  std::map<RegHandle, std::string> paths_;
};

TEST(ProgramSnapshotFile, ReadsEachDeviceKeyOnceInTheWalkThatFindsIt) {
  MemoryRegistry registry;
  SeedDeviceKeys(registry);
  OpenCounter counted(registry);

  const std::string walked = ProgramSnapshotFile(counted, RegFileEncoding::kRegedit4);

  EXPECT_EQ(Snapshot(registry, ProgramCatalogue(registry)).File(RegFileEncoding::kRegedit4),
            walked);
  for (const auto& [path, times] : counted.opened) {
    if (path.ends_with("\\driverdata") || path.ends_with("\\driver")) {
      EXPECT_EQ(1, times) << path;
    }
  }
  // "0018" takes the fan-out without a DriverData of its own: its values are recorded as missing.
  EXPECT_NE(std::string::npos, walked.find("0018\\DriverData]\r\n\"HcwSharpness\"=-"));
}

}  // namespace
}  // namespace quellon
