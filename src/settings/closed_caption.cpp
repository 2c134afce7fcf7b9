#include "settings/closed_caption.h"

#include <cstdint>
#include <string>
#include <vector>

#include "registry/cp1252.h"
#include "registry/registry_util.h"
#include "settings/keys.h"
#include "settings/pvr250_values.h"

namespace quellon::settings {
namespace {

constexpr const char* kMarker = pvr250::kClosedCaptionMarker;
constexpr const char* kFlagName = pvr250::kClosedCaptionFlag.name;

[[noreturn]] void Failed(RegStatus status) {
  throw RegistryError(status, std::string("Failed to set data for '") + kFlagName + "'");
}

// The key is closed again before this returns, so the walk never holds more than one key open.
// A key that cannot be opened has no names; one whose names cannot all be read ends the walk, so
// that no card is passed over silently.
std::vector<std::string> SubKeysOf(RegistryApi& api, const std::string& path) {
  std::vector<std::string> names;
  RegKey key;
  if (RegKey::Open(api, kHkeyLocalMachine, path, kKeyAllAccess, &key) != kErrorSuccess)
    return names;
  if (const RegStatus status = ListSubKeyNames(api, key.get(), &names); status != kErrorSuccess)
    Failed(status);
  return names;
}

void MarkDriverKey(RegistryApi& api, const std::string& path, std::uint32_t flag) {
  RegKey key;
  if (RegKey::Open(api, kHkeyLocalMachine, path, kKeyAllAccess, &key) != kErrorSuccess) return;
  std::vector<std::string> values;
  if (const RegStatus status = ListValueNames(api, key.get(), &values); status != kErrorSuccess)
    Failed(status);
  const auto bytes = DwordToBytes(flag);
  for (const std::string& name : values) {
    if (!RegNamesEqual(name, kMarker)) continue;
    if (const RegStatus status = api.SetValue(key.get(), kFlagName, kRegDword, bytes.data(),
                                              static_cast<std::uint32_t>(bytes.size()));
        status != kErrorSuccess)
      Failed(status);
  }
}

}  // namespace

void SetCCKey(RegistryApi& api, bool enable) {
  const std::uint32_t flag = enable ? 1 : 0;
  const std::string media = keys::kServicesMedia;
  for (const std::string& device : SubKeysOf(api, media))
    MarkDriverKey(api, media + "\\" + device + "\\Driver", flag);

  const std::string classes = keys::kControlClass;
  for (const std::string& setupClass : SubKeysOf(api, classes)) {
    const std::string classPath = classes + "\\" + setupClass;
    for (const std::string& instance : SubKeysOf(api, classPath))
      MarkDriverKey(api, classPath + "\\" + instance + "\\Driver", flag);
  }
}

}  // namespace quellon::settings
