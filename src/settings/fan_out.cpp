// The fan-out over the device instances of the media class: which instances take a value, and the
// read and write of a value on all of them.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "registry/cp1252.h"
#include "registry/registry_ops.h"
#include "registry/registry_util.h"
#include "settings/device_keys.h"
#include "settings/keys.h"

namespace quellon::settings {
namespace {

// A device instance holds driver parameters when it has a "DriverData" subkey; an instance that
// cannot be opened has none. The instance "0018" always gets one written, created if needed.
RegStatus HoldsDriverData(RegistryApi& api, RegHandle classKey, const std::string& instance,
                          bool* holds) {
  *holds = instance == keys::kAlwaysWrittenInstance;
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

// The integer an instance's open "DriverData" holds under `name`, among the value names listed
// there, if it holds a readable one.
std::optional<int> ListedInt(RegistryApi& api, RegHandle driverData,
                             const std::vector<std::string>& values, const std::string& name) {
  std::optional<int> found;
  for (const std::string& value : values) {
    if (!RegNamesEqual(value, name)) continue;
    RegType type = kRegNone;
    std::uint8_t bytes[4] = {};
    std::uint32_t size = sizeof bytes;
    const RegStatus status = api.QueryValue(driverData, value, &type, bytes, &size);
    if (status == kErrorMoreData) throw FailedToGet(status, name);
    if (status != kErrorSuccess) continue;
    if (type != kRegDword) throw InvalidDataType(name);
    // A REG_DWORD shorter than four bytes holds no integer; it counts as not there, as it does
    // for the plain reader.
    if (size == sizeof bytes) found = static_cast<int>(DwordFromBytes(bytes));
  }
  return found;
}

// The names of the values below an instance's "DriverData"; nothing for an instance whose values
// cannot be opened or listed. The key is left open in `driverData`.
std::optional<std::vector<std::string>> ListInstance(RegistryApi& api, RegHandle classKey,
                                                     const std::string& instance,
                                                     RegKey* driverData) {
  if (RegKey::Open(api, classKey, instance + "\\DriverData", kKeyAllAccess, driverData) !=
      kErrorSuccess) {
    return std::nullopt;
  }
  std::vector<std::string> values;
  if (ListValueNames(api, driverData->get(), &values) != kErrorSuccess) return std::nullopt;
  return values;
}

// The integer one instance's "DriverData" holds under `name`, if it holds a readable one.
std::optional<int> InstanceInt(RegistryApi& api, RegHandle classKey, const std::string& instance,
                               const std::string& name) {
  RegKey driverData;
  const auto values = ListInstance(api, classKey, instance, &driverData);
  return values ? ListedInt(api, driverData.get(), *values, name) : std::nullopt;
}

}  // namespace

RegStatus ForEachFanOutInstance(RegistryApi& api, const FanOutVisitor& visit) {
  RegKey classKey;
  if (RegKey::Open(api, kHkeyLocalMachine, keys::kMediaClass, kKeyAllAccess, &classKey) !=
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

std::optional<int> GetRegIntKeyHKLM_all150subkeys(RegistryApi& api, const std::string& name) {
  RegKey classKey;
  if (RegKey::Open(api, kHkeyLocalMachine, keys::kMediaClass, kKeyAllAccess, &classKey) !=
      kErrorSuccess) {
    return std::nullopt;
  }
  std::vector<std::string> instances;
  if (ListSubKeyNames(api, classKey.get(), &instances) != kErrorSuccess) return std::nullopt;
  std::optional<int> result;
  for (const std::string& instance : instances) {
    if (const auto value = InstanceInt(api, classKey.get(), instance, name)) result = *value;
  }
  if (result == RegValueMissing) return std::nullopt;
  return result;
}

FanOutListing::FanOutListing(RegistryApi& api) : api_(api) {
  if (RegKey::Open(api, kHkeyLocalMachine, keys::kMediaClass, kKeyAllAccess, &classKey_) !=
      kErrorSuccess) {
    return;
  }
  std::vector<std::string> instances;
  if (ListSubKeyNames(api, classKey_.get(), &instances) != kErrorSuccess) return;
  for (const std::string& instance : instances) {
    RegKey driverData;
    if (auto values = ListInstance(api, classKey_.get(), instance, &driverData))
      instances_.push_back({instance, std::move(*values)});
  }
}

// Only an instance that lists the name is opened again, to read it.
std::optional<int> FanOutListing::Read(const std::string& name) const {
  std::optional<int> result;
  for (const Instance& instance : instances_) {
    if (std::none_of(instance.values.begin(), instance.values.end(),
                     [&](const std::string& v) { return RegNamesEqual(v, name); }))
      continue;
    RegKey driverData;
    if (RegKey::Open(api_, classKey_.get(), instance.name + "\\DriverData", kKeyAllAccess,
                     &driverData) != kErrorSuccess)
      continue;
    if (const auto value = ListedInt(api_, driverData.get(), instance.values, name))
      result = *value;
  }
  if (result == RegValueMissing) return std::nullopt;
  return result;
}

// A list that fails part-way ends the write rather than passing an instance over.
void SetRegIntKeyHKLM_all150subkeys(RegistryApi& api, const std::string& name, int value) {
  const RegStatus status =
      ForEachFanOutInstance(api, [&](RegHandle classKey, const std::string& instance) {
        SetRegIntValue(api, classKey, instance + "\\DriverData", name, value);
      });
  if (status != kErrorSuccess) throw FailedToSet(status, name);
}

}  // namespace quellon::settings
