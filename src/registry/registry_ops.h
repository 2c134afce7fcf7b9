#pragma once
// The registry operations of the main window. Every call opens its key afresh with full access,
// does one thing and closes the key again; nothing is cached between calls.

#include <cstdint>
#include <string>

#include "registry/registry_api.h"

namespace quellon {

// What the integer readers return for an absent or unreadable key or value. A stored -9999 reads
// the same.
inline constexpr int RegValueMissing = -9999;

// What the string readers return when the key cannot be opened.
inline constexpr const char* kStringKeyMissing = "xxxx";

// The device-class key of the sound, video and game controllers; its numbered subkeys are the
// installed device instances, whose "DriverData" subkeys hold the card drivers' parameters.
inline constexpr const char* MediaClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}";

class RegistryOps {
 public:
  explicit RegistryOps(RegistryApi& api) : api_(api) {}

  int GetRegIntKeyHKLM(const std::string& key, const std::string& name) const;
  int GetRegIntKeyHKCU(const std::string& key, const std::string& name) const;
  // Returns "xxxx" when the key cannot be opened, "" when the value is missing.
  std::string GetRegStrKeyHKLM(const std::string& key, const std::string& name) const;
  std::string GetRegStrKeyHKCU(const std::string& key, const std::string& name) const;

  // Throw RegistryError("Failed to set data for '<name>'") on failure.
  void SetRegIntKeyHKLM(const std::string& key, const std::string& name, int value) const;
  void SetRegStrKeyHKLM(const std::string& key, const std::string& name,
                        const std::string& text) const;
  // Creates the key when it is missing; never reports a failure.
  void DeleteRegKeyValueHKLM(const std::string& key, const std::string& name) const;

  // Fan-out over the "DriverData" subkeys of the device instances below MediaClassKey.
  int GetRegIntKeyHKLM_all150subkeys(const std::string& name) const;
  void SetRegIntKeyHKLM_all150subkeys(const std::string& name, int value) const;

  RegistryApi& api() const { return api_; }

 private:
  RegistryApi& api_;
};

std::string IntToBinStr(int value);
int BinStrToInt(const std::string& bits);

}  // namespace quellon
