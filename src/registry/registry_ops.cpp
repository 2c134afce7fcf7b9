#include "registry/registry_ops.h"

#include <algorithm>
#include <vector>

#include "registry/cp1252.h"
#include "registry/registry_util.h"

namespace quellon {
namespace {

// Reads a REG_DWORD of exactly four bytes; anything else reads as missing.
std::optional<int> ReadIntValue(RegistryApi& api, const std::string& key, const std::string& name) {
  RegKey opened;
  if (RegKey::Open(api, kHkeyLocalMachine, key, kKeyAllAccess, &opened) != kErrorSuccess)
    return std::nullopt;
  RegType type = kRegNone;
  std::uint8_t bytes[4] = {};
  std::uint32_t size = sizeof bytes;
  if (api.QueryValue(opened.get(), name, &type, bytes, &size) != kErrorSuccess ||
      type != kRegDword || size != sizeof bytes) {
    return std::nullopt;
  }
  const int value = static_cast<int>(DwordFromBytes(bytes));
  if (value == RegValueMissing) return std::nullopt;
  return value;
}

std::optional<std::string> ReadStrValue(RegistryApi& api, const std::string& key,
                                        const std::string& name) {
  RegKey opened;
  if (RegKey::Open(api, kHkeyLocalMachine, key, kKeyAllAccess, &opened) != kErrorSuccess)
    return std::nullopt;
  RegValue value;
  if (ReadValue(api, opened.get(), name, &value) != kErrorSuccess) return "";
  // Other types have no text; the callers show what they get as a path, so give them none.
  if (value.type != kRegSz && value.type != kRegExpandSz) return "";
  return TextFromData(value.data);
}

// The error texts name the value by plain concatenation: a value name is data, and a '%' in it
// must come out as it is.
RegistryError NamedError(RegStatus status, const char* before, const std::string& name) {
  return RegistryError(status, before + name + "'");
}

void WriteValue(RegistryApi& api, RegHandle parent, const std::string& key, const std::string& name,
                RegType type, const std::vector<std::uint8_t>& data) {
  RegKey opened;
  RegStatus status = RegKey::Create(api, parent, key, kKeyAllAccess, &opened);
  if (status == kErrorSuccess) {
    status = api.SetValue(opened.get(), name, type, data.data(),
                          static_cast<std::uint32_t>(data.size()));
  }
  if (status != kErrorSuccess) throw NamedError(status, "Failed to set data for '", name);
}

// A device instance holds driver parameters when it has a "DriverData" subkey; an instance that
// cannot be opened has none. The instance "0018" always gets one written, created if needed.
RegStatus HoldsDriverData(RegistryApi& api, RegHandle classKey, const std::string& instance,
                          bool* holds) {
  *holds = instance == "0018";
  if (*holds) return kErrorSuccess;
  RegKey opened;
  if (RegKey::Open(api, classKey, instance, kKeyAllAccess, &opened) != kErrorSuccess)
    return kErrorSuccess;
  std::vector<std::string> children;
  const RegStatus status = ListSubKeyNames(api, opened.get(), &children);
  *holds = std::any_of(children.begin(), children.end(),
                       [](const std::string& c) { return RegNamesEqual(c, "DriverData"); });
  return status;
}

// The integer one instance's "DriverData" holds under `name`, if it holds a readable one. An
// instance whose values cannot be opened or listed holds nothing.
std::optional<int> InstanceInt(RegistryApi& api, RegHandle classKey, const std::string& instance,
                               const std::string& name) {
  RegKey driverData;
  if (RegKey::Open(api, classKey, instance + "\\DriverData", kKeyAllAccess, &driverData) !=
      kErrorSuccess) {
    return std::nullopt;
  }
  std::vector<std::string> values;
  if (ListValueNames(api, driverData.get(), &values) != kErrorSuccess) return std::nullopt;
  std::optional<int> found;
  for (const std::string& value : values) {
    if (!RegNamesEqual(value, name)) continue;
    RegType type = kRegNone;
    std::uint8_t bytes[4] = {};
    std::uint32_t size = sizeof bytes;
    const RegStatus status = api.QueryValue(driverData.get(), value, &type, bytes, &size);
    if (status == kErrorMoreData) throw NamedError(status, "Failed to get data for '", name);
    if (status != kErrorSuccess) continue;
    if (type != kRegDword) {
      throw NamedError(kErrorDatatypeMismatch, "Invalid data type for '", name);
    }
    // A REG_DWORD shorter than four bytes holds no integer; it counts as not there, as it does
    // for the plain reader.
    if (size == sizeof bytes) found = static_cast<int>(DwordFromBytes(bytes));
  }
  return found;
}

}  // namespace

std::optional<int> RegistryOps::GetRegIntKeyHKLM(const std::string& key,
                                                 const std::string& name) const {
  return ReadIntValue(api_, key, name);
}

std::optional<std::string> RegistryOps::GetRegStrKeyHKLM(const std::string& key,
                                                         const std::string& name) const {
  return ReadStrValue(api_, key, name);
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
  if (RegKey::Create(api_, kHkeyLocalMachine, key, kKeyAllAccess, &opened) != kErrorSuccess) return;
  // A value that is not there, or will not go, is no concern of the caller's.
  static_cast<void>(api_.DeleteValue(opened.get(), name));
}

std::optional<int> RegistryOps::GetRegIntKeyHKLM_all150subkeys(const std::string& name) const {
  RegKey classKey;
  if (RegKey::Open(api_, kHkeyLocalMachine, MediaClassKey, kKeyAllAccess, &classKey) !=
      kErrorSuccess) {
    return std::nullopt;
  }
  std::vector<std::string> instances;
  if (ListSubKeyNames(api_, classKey.get(), &instances) != kErrorSuccess) return std::nullopt;
  std::optional<int> result;
  for (const std::string& instance : instances) {
    if (const auto value = InstanceInt(api_, classKey.get(), instance, name)) result = *value;
  }
  if (result == RegValueMissing) return std::nullopt;
  return result;
}

// A list that fails part-way ends the write rather than passing an instance over.
void RegistryOps::SetRegIntKeyHKLM_all150subkeys(const std::string& name, int value) const {
  const auto bytes = DwordToBytes(static_cast<std::uint32_t>(value));
  const RegStatus status =
      ForEachFanOutInstance(api_, [&](RegHandle classKey, const std::string& instance) {
        WriteValue(api_, classKey, instance + "\\DriverData", name, kRegDword,
                   {bytes.begin(), bytes.end()});
      });
  if (status != kErrorSuccess) throw NamedError(status, "Failed to set data for '", name);
}

RegStatus ForEachFanOutInstance(RegistryApi& api, const FanOutVisitor& visit) {
  RegKey classKey;
  if (RegKey::Open(api, kHkeyLocalMachine, MediaClassKey, kKeyAllAccess, &classKey) !=
      kErrorSuccess) {
    return kErrorSuccess;
  }
  std::vector<std::string> instances;
  if (const RegStatus listed = ListSubKeyNames(api, classKey.get(), &instances);
      listed != kErrorSuccess) {
    return listed;
  }
  for (const std::string& instance : instances) {
    bool holds = false;
    if (const RegStatus status = HoldsDriverData(api, classKey.get(), instance, &holds);
        status != kErrorSuccess) {
      return status;
    }
    if (holds) visit(classKey.get(), instance);
  }
  return kErrorSuccess;
}

}  // namespace quellon
