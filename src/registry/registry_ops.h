#pragma once
// The plain registry operations the settings are read and written with, below
// HKEY_LOCAL_MACHINE. Every call opens its key afresh with full access, does one thing and closes
// the key again; nothing is cached between calls. Which keys a value goes to (the device instances
// of the fan-out, the closed-caption keys) is the settings' knowledge, not this layer's.

#include <optional>
#include <string>

#include "base/reg_value_missing.h"
#include "registry/registry_api.h"

namespace quellon {

// The registry layer's error texts. They name the value by plain concatenation: a value name is
// data, and a '%' in it must come out as it is.
RegistryError FailedToSet(RegStatus status,
                          const std::string& name);  // "Failed to set data for '<name>'"
RegistryError FailedToGet(RegStatus status,
                          const std::string& name);      // "Failed to get data for '<name>'"
RegistryError InvalidDataType(const std::string& name);  // "Invalid data type for '<name>'"

// Writes a REG_DWORD below `key` under `parent`, creating the key and every missing key on its
// path; throws FailedToSet. The writers below, and the fan-out over the device instances, write
// through this.
void SetRegIntValue(RegistryApi& api, RegHandle parent, const std::string& key,
                    const std::string& name, int value);

class RegistryOps {
 public:
  explicit RegistryOps(RegistryApi& api) : api_(api) {}

  // A REG_DWORD of four bytes; nothing when the key or the value is missing or unreadable, when
  // the value is of another type, or when it holds RegValueMissing.
  [[nodiscard]] std::optional<int> GetRegIntKeyHKLM(const std::string& key,
                                                    const std::string& name) const;
  // Nothing when the key cannot be opened; "" when the value is missing or holds no text.
  [[nodiscard]] std::optional<std::string> GetRegStrKeyHKLM(const std::string& key,
                                                            const std::string& name) const;

  // Throw RegistryError("Failed to set data for '<name>'") on failure.
  void SetRegIntKeyHKLM(const std::string& key, const std::string& name, int value) const;
  void SetRegStrKeyHKLM(const std::string& key, const std::string& name,
                        const std::string& text) const;
  // Creates the key when it is missing; never reports a failure.
  void DeleteRegKeyValueHKLM(const std::string& key, const std::string& name) const;

  RegistryApi& api() const { return api_; }

 private:
  RegistryApi& api_;
};

}  // namespace quellon
