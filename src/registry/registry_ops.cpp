#include "registry/registry_ops.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "registry/registry_util.h"

namespace quellon {
namespace {

// Reads a REG_DWORD of exactly four bytes; anything else reads as missing.
int ReadIntValue(RegistryApi& api, RegHandle root, const std::string& key,
                 const std::string& name) {
  RegKey opened;
  if (RegKey::Open(api, root, key, kKeyAllAccess, &opened) != kErrorSuccess) {
    return RegValueMissing;
  }
  RegType type = kRegNone;
  std::uint8_t bytes[4] = {};
  std::uint32_t size = sizeof bytes;
  if (api.QueryValue(opened.get(), name, &type, bytes, &size) != kErrorSuccess) {
    return RegValueMissing;
  }
  if (type != kRegDword || size != sizeof bytes) return RegValueMissing;
  return static_cast<int>(DwordFromBytes(bytes));
}

std::string ReadStrValue(RegistryApi& api, RegHandle root, const std::string& key,
                         const std::string& name) {
  RegKey opened;
  if (RegKey::Open(api, root, key, kKeyAllAccess, &opened) != kErrorSuccess) {
    return kStringKeyMissing;
  }
  RegValue value;
  if (ReadValue(api, opened.get(), name, &value) != kErrorSuccess) return "";
  // Other types have no text; the callers show what they get as a path, so give them none.
  if (value.type != kRegSz && value.type != kRegExpandSz) return "";
  return TextFromData(value.data);
}

// The error texts name the value by plain concatenation: a value name is data, and a '%' in it
// must come out as it is.
RegistryError NamedError(const char* before, const std::string& name) {
  return RegistryError(before + name + "'");
}

void WriteValue(RegistryApi& api, RegHandle parent, const std::string& key, const std::string& name,
                RegType type, const std::vector<std::uint8_t>& data) {
  RegKey opened;
  if (RegKey::Create(api, parent, key, kKeyAllAccess, &opened) != kErrorSuccess ||
      api.SetValue(opened.get(), name, type, data.data(),
                   static_cast<std::uint32_t>(data.size())) != kErrorSuccess) {
    throw NamedError("Failed to set data for '", name);
  }
}

std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return text;
}

std::vector<std::string> SubKeyNamesOf(RegistryApi& api, RegHandle parent, const std::string& key) {
  std::vector<std::string> names;
  RegKey opened;
  if (RegKey::Open(api, parent, key, kKeyAllAccess, &opened) == kErrorSuccess) {
    ListSubKeyNames(api, opened.get(), &names);
  }
  return names;
}

// A device instance holds driver parameters when it has a "DriverData" subkey. The instance
// "0018" always gets one written, created if needed.
bool HoldsDriverData(RegistryApi& api, RegHandle classKey, const std::string& instance) {
  if (instance == "0018") return true;
  const std::vector<std::string> children = SubKeyNamesOf(api, classKey, instance);
  return std::any_of(children.begin(), children.end(),
                     [](const std::string& c) { return AsciiLower(c) == "driverdata"; });
}

// The integer one instance's "DriverData" holds under `name`, if it holds a readable one.
std::optional<int> InstanceInt(RegistryApi& api, RegHandle classKey, const std::string& instance,
                               const std::string& name) {
  RegKey driverData;
  if (RegKey::Open(api, classKey, instance + "\\DriverData", kKeyAllAccess, &driverData) !=
      kErrorSuccess) {
    return std::nullopt;
  }
  std::vector<std::string> values;
  ListValueNames(api, driverData.get(), &values);
  const std::string wanted = AsciiLower(name);
  std::optional<int> found;
  for (const std::string& value : values) {
    if (AsciiLower(value) != wanted) continue;
    RegType type = kRegNone;
    std::uint8_t bytes[4] = {};
    std::uint32_t size = sizeof bytes;
    const RegStatus status = api.QueryValue(driverData.get(), value, &type, bytes, &size);
    if (status == kErrorMoreData) throw NamedError("Failed to get data for '", name);
    if (status != kErrorSuccess) continue;
    if (type != kRegDword) throw NamedError("Invalid data type for '", name);
    // A REG_DWORD shorter than four bytes holds no integer; it counts as not there, as it does
    // for the plain reader.
    if (size == sizeof bytes) found = static_cast<int>(DwordFromBytes(bytes));
  }
  return found;
}

}  // namespace

int RegistryOps::GetRegIntKeyHKLM(const std::string& key, const std::string& name) const {
  return ReadIntValue(api_, kHkeyLocalMachine, key, name);
}

int RegistryOps::GetRegIntKeyHKCU(const std::string& key, const std::string& name) const {
  return ReadIntValue(api_, kHkeyCurrentUser, key, name);
}

std::string RegistryOps::GetRegStrKeyHKLM(const std::string& key, const std::string& name) const {
  return ReadStrValue(api_, kHkeyLocalMachine, key, name);
}

std::string RegistryOps::GetRegStrKeyHKCU(const std::string& key, const std::string& name) const {
  return ReadStrValue(api_, kHkeyCurrentUser, key, name);
}

void RegistryOps::SetRegIntKeyHKLM(const std::string& key, const std::string& name,
                                   int value) const {
  const auto bytes = DwordToBytes(static_cast<std::uint32_t>(value));
  WriteValue(api_, kHkeyLocalMachine, key, name, kRegDword, {bytes.begin(), bytes.end()});
}

void RegistryOps::SetRegStrKeyHKLM(const std::string& key, const std::string& name,
                                   const std::string& text) const {
  WriteValue(api_, kHkeyLocalMachine, key, name, kRegSz, DataFromText(text));
}

void RegistryOps::DeleteRegKeyValueHKLM(const std::string& key, const std::string& name) const {
  RegKey opened;
  if (RegKey::Create(api_, kHkeyLocalMachine, key, kKeyAllAccess, &opened) == kErrorSuccess) {
    api_.DeleteValue(opened.get(), name);
  }
}

int RegistryOps::GetRegIntKeyHKLM_all150subkeys(const std::string& name) const {
  RegKey classKey;
  if (RegKey::Open(api_, kHkeyLocalMachine, MediaClassKey, kKeyAllAccess, &classKey) !=
      kErrorSuccess) {
    return RegValueMissing;
  }
  std::vector<std::string> instances;
  ListSubKeyNames(api_, classKey.get(), &instances);
  int result = RegValueMissing;
  for (const std::string& instance : instances) {
    if (const auto value = InstanceInt(api_, classKey.get(), instance, name)) result = *value;
  }
  return result;
}

void RegistryOps::SetRegIntKeyHKLM_all150subkeys(const std::string& name, int value) const {
  RegKey classKey;
  if (RegKey::Open(api_, kHkeyLocalMachine, MediaClassKey, kKeyAllAccess, &classKey) !=
      kErrorSuccess) {
    return;
  }
  std::vector<std::string> instances;
  ListSubKeyNames(api_, classKey.get(), &instances);
  const auto bytes = DwordToBytes(static_cast<std::uint32_t>(value));
  for (const std::string& instance : instances) {
    if (!HoldsDriverData(api_, classKey.get(), instance)) continue;
    WriteValue(api_, classKey.get(), instance + "\\DriverData", name, kRegDword,
               {bytes.begin(), bytes.end()});
  }
}

}  // namespace quellon
