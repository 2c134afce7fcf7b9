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
    if (status == kErrorMoreData) throw FailedToGet(status, name);
    if (status != kErrorSuccess) continue;
    if (type != kRegDword) throw InvalidDataType(name);
    // A REG_DWORD shorter than four bytes holds no integer; it counts as not there, as it does
    // for the plain reader.
    if (size == sizeof bytes) found = static_cast<int>(DwordFromBytes(bytes));
  }
  return found;
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

// A list that fails part-way ends the write rather than passing an instance over.
void SetRegIntKeyHKLM_all150subkeys(RegistryApi& api, const std::string& name, int value) {
  const RegStatus status =
      ForEachFanOutInstance(api, [&](RegHandle classKey, const std::string& instance) {
        SetRegIntValue(api, classKey, instance + "\\DriverData", name, value);
      });
  if (status != kErrorSuccess) throw FailedToSet(status, name);
}

}  // namespace quellon::settings
