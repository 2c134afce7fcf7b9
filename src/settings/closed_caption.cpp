#include "settings/closed_caption.h"

#include <cstdint>
#include <string>
#include <vector>

#include "registry/registry_util.h"

namespace quellon {
namespace {

constexpr const char* kServicesMediaKey = "System\\CurrentControlSet\\Services\\Class\\MEDIA";
constexpr const char* kControlClassKey = "System\\CurrentControlSet\\Control\\Class";
constexpr const char* kMarkerLower = "enablevimprotection";
constexpr const char* kFlagName = "InsertCCinDVD";

// Registry names ignore the case of ASCII letters only.
std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The key is closed again before this returns, so the walk never holds more than one key open.
// A key that cannot be opened has no names.
std::vector<std::string> SubKeysOf(RegistryApi& api, const std::string& path) {
  std::vector<std::string> names;
  RegKey key;
  if (RegKey::Open(api, kHkeyLocalMachine, path, kKeyAllAccess, &key) == kErrorSuccess)
    ListSubKeyNames(api, key.get(), &names);
  return names;
}

void MarkDriverKey(RegistryApi& api, const std::string& path, std::uint32_t flag) {
  RegKey key;
  if (RegKey::Open(api, kHkeyLocalMachine, path, kKeyAllAccess, &key) != kErrorSuccess) return;
  std::vector<std::string> values;
  ListValueNames(api, key.get(), &values);
  const auto bytes = DwordToBytes(flag);
  for (const std::string& name : values) {
    if (AsciiLower(name) != kMarkerLower) continue;
    if (api.SetValue(key.get(), kFlagName, kRegDword, bytes.data(),
                     static_cast<std::uint32_t>(bytes.size())) != kErrorSuccess)
      throw RegistryError(std::string("Failed to set data for '") + kFlagName + "'");
  }
}

}  // namespace

void SetCCKey(RegistryApi& api, bool enable) {
  const std::uint32_t flag = enable ? 1 : 0;
  const std::string media = kServicesMediaKey;
  for (const std::string& device : SubKeysOf(api, media))
    MarkDriverKey(api, media + "\\" + device + "\\Driver", flag);

  const std::string classes = kControlClassKey;
  for (const std::string& setupClass : SubKeysOf(api, classes)) {
    const std::string classPath = classes + "\\" + setupClass;
    for (const std::string& instance : SubKeysOf(api, classPath))
      MarkDriverKey(api, classPath + "\\" + instance + "\\Driver", flag);
  }
}

}  // namespace quellon
