#include "registry_bench_machine_win32.h"

#include <cstdio>

#include "registry/reg_file.h"
#include "registry/registry_ops.h"
#include "registry/registry_util.h"
#include "registry/win32/registry_win32.h"
#include "settings/keys.h"

namespace bench {
namespace {

using namespace quellon;

constexpr const char* kTouched[] = {
    "SOFTWARE\\Hauppauge",
    "SYSTEM\\CurrentControlSet\\Services\\hcwPP2",
    "SYSTEM\\CurrentControlSet\\Services\\Globespan",
    "SYSTEM\\CurrentControlSet\\Services\\Class",
    "SYSTEM\\CurrentControlSet\\Control\\Class",
};
constexpr int kDemoInstances = 5;  // "0000" to "0004" come from the demo machine

RegKey Create(RegistryApi& api, RegHandle parent, const std::string& path) {
  RegKey key;
  if (RegKey::Create(api, parent, path, kKeyAllAccess, &key) != kErrorSuccess)
    throw RegistryError(kErrorWriteFault, "cannot create " + path);
  return key;
}

void SetDword(RegistryApi& api, const RegKey& key, const char* name, int value) {
  const auto bytes = DwordToBytes(static_cast<std::uint32_t>(value));
  if (api.SetValue(key.get(), name, kRegDword, bytes.data(), 4) != kErrorSuccess)
    throw RegistryError(kErrorWriteFault, std::string("cannot set ") + name);
}

void SetText(RegistryApi& api, const RegKey& key, const char* name, const std::string& text) {
  const auto data = DataFromText(text);
  if (api.SetValue(key.get(), name, kRegSz, data.data(), static_cast<std::uint32_t>(data.size())) !=
      kErrorSuccess)
    throw RegistryError(kErrorWriteFault, std::string("cannot set ") + name);
}

void SeedInstance(RegistryApi& api, const RegKey& media_class, int i) {
  char name[16];
  std::snprintf(name, sizeof name, "%04d", i);
  const RegKey instance = Create(api, media_class.get(), name);
  if (i == 18 || i % 10 == 0) {
    SetText(api, instance, "DriverDesc",
            i == 18 ? "Hauppauge PVR-150 (no parameters yet)" : "Generic AC97 Audio");
    return;
  }
  if (i % 10 == 7) {
    SetText(api, instance, "DriverDesc", "Hauppauge PVR-250 Capture");
    const RegKey driver = Create(api, instance.get(), "Driver");
    SetDword(api, driver, "EnableVIMProtection", 1);
    SetDword(api, driver, "InsertCCinDVD", 0);
    return;
  }
  SetText(api, instance, "DriverDesc", "Hauppauge PVR-150 Video Capture");
  const RegKey data = Create(api, instance.get(), "DriverData");
  SetDword(api, data, "HcwSharpness", i % 8);
  SetDword(api, data, "HcwBrightness", i % 100);
  SetDword(api, data, "HcwContrast", i % 200);
  SetDword(api, data, "HcwSaturation", i % 150);
  SetDword(api, data, "HcwHue", i % 50);
  SetDword(api, data, "IsStaticTemporal", i % 2);
  SetDword(api, data, "StaticTemporalLevel", i % 32);
  SetDword(api, data, "IsStaticSpatial", i / 2 % 2);
  SetDword(api, data, "StaticSpatialLevel", i % 16);
}

}  // namespace

void SeedMachine(const std::string& machine_reg, int instances) {
  Win32Registry api;
  for (const char* path : {kTouched[0], kTouched[1], kTouched[2], kTouched[3]})
    static_cast<void>(DeleteKeyTree(api, kHkeyLocalMachine, path));
  static_cast<void>(DeleteKeyTree(api, kHkeyLocalMachine, settings::keys::kMediaClass));
  ApplyRegFile(api, machine_reg);
  const RegKey media_class = Create(api, kHkeyLocalMachine, settings::keys::kMediaClass);
  for (int i = kDemoInstances; i < instances; ++i) SeedInstance(api, media_class, i);
  const std::string media = "SYSTEM\\CurrentControlSet\\Services\\Class\\MEDIA";
  SetDword(api, Create(api, kHkeyLocalMachine, media + "\\0000\\Driver"), "EnableVIMProtection", 1);
  SetDword(api, Create(api, kHkeyLocalMachine, media + "\\0001\\Driver"), "Other", 1);
}

std::string DumpMachine() {
  Win32Registry api;
  std::string dump;
  for (const char* path : kTouched) dump += DumpRegFile(api, kHkeyLocalMachine, path);
  return dump;
}

}  // namespace bench
