#include <algorithm>
#include <cstdint>
#include <vector>

#include "registry/cp1252.h"
#include "registry/registry_ops.h"
#include "registry/registry_util.h"
#include "settings/device_keys.h"
#include "settings/keys.h"
#include "settings/pvr250_values.h"

namespace quellon::settings {
namespace {

constexpr const char* kMarker = pvr250::kClosedCaptionMarker;
constexpr const char* kFlagName = pvr250::kClosedCaptionFlag.name;

[[noreturn]] void Failed(RegStatus status) {
  throw FailedToSet(status, kFlagName);
}

// The key is closed again before this returns, so the walk never holds more than one key open
// besides the one it visits. A key that cannot be opened has no names.
RegStatus SubKeysOf(RegistryApi& api, const std::string& path, std::vector<std::string>* names) {
  names->clear();
  RegKey key;
  if (RegKey::Open(api, kHkeyLocalMachine, path, kKeyAllAccess, &key) != kErrorSuccess)
    return kErrorSuccess;
  return ListSubKeyNames(api, key.get(), names);
}

RegStatus VisitIfMarked(RegistryApi& api, const std::string& path, const MarkedKeyVisitor& visit) {
  RegKey key;
  if (RegKey::Open(api, kHkeyLocalMachine, path, kKeyAllAccess, &key) != kErrorSuccess)
    return kErrorSuccess;
  // The values are read with their data, so that a backup finds them here and reads no key twice.
  std::vector<NamedRegValue> values;
  if (const RegStatus status = ListValues(api, key.get(), &values); status != kErrorSuccess)
    return status;
  if (std::any_of(values.begin(), values.end(),
                  [](const NamedRegValue& v) { return RegNamesEqual(v.name, kMarker); }))
    visit(key.get(), path, values);
  return kErrorSuccess;
}

}  // namespace

// Besides the keys whose subkeys it lists, the walk opens only the "Driver" key of each listed
// device and instance, the only keys that can take the flag; one that is not there costs a single
// failed open, and listing the instance instead would cost more. Each step returns the first
// failure, which ends the walk.
RegStatus ForEachMarkedDriverKey(RegistryApi& api, const MarkedKeyVisitor& visit) {
  const std::string media = keys::kServicesMedia;
  std::vector<std::string> devices;
  if (const RegStatus status = SubKeysOf(api, media, &devices); status != kErrorSuccess)
    return status;
  for (const std::string& device : devices) {
    const RegStatus status = VisitIfMarked(api, media + "\\" + device + "\\Driver", visit);
    if (status != kErrorSuccess) return status;
  }

  const std::string classes = keys::kControlClass;
  std::vector<std::string> setupClasses;
  if (const RegStatus status = SubKeysOf(api, classes, &setupClasses); status != kErrorSuccess)
    return status;
  for (const std::string& setupClass : setupClasses) {
    const std::string classPath = classes + "\\" + setupClass;
    std::vector<std::string> instances;
    if (const RegStatus status = SubKeysOf(api, classPath, &instances); status != kErrorSuccess)
      return status;
    for (const std::string& instance : instances) {
      const RegStatus status = VisitIfMarked(api, classPath + "\\" + instance + "\\Driver", visit);
      if (status != kErrorSuccess) return status;
    }
  }
  return kErrorSuccess;
}

void SetCCKey(RegistryApi& api, bool enable) {
  const auto bytes = DwordToBytes(enable ? 1 : 0);
  const RegStatus status =
      ForEachMarkedDriverKey(api, [&](RegHandle key, const std::string&, const auto&) {
        if (const RegStatus written = api.SetValue(key, kFlagName, kRegDword, bytes.data(),
                                                   static_cast<std::uint32_t>(bytes.size()));
            written != kErrorSuccess)
          Failed(written);
      });
  if (status != kErrorSuccess) Failed(status);
}

}  // namespace quellon::settings
