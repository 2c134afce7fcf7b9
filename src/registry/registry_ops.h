#pragma once
// The registry operations of the main window. Every call opens its key afresh with full access,
// does one thing and closes the key again; nothing is cached between calls.

#include <functional>
#include <optional>
#include <string>

#include "registry/registry_api.h"

namespace quellon {

// The marker of a missing integer: the debug lines print it for a value that was not there. A
// stored -9999 is the marker itself, and the readers give nothing for it as for a missing value.
inline constexpr int RegValueMissing = -9999;

// The device-class key of the sound, video and game controllers; its numbered subkeys are the
// installed device instances, whose "DriverData" subkeys hold the card drivers' parameters.
inline constexpr const char* MediaClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}";

// The device instances the fan-out writer writes into, in the registry's order: each subkey of
// MediaClassKey that has a "DriverData" subkey (in any letter case), and "0018" whether it has one
// or not. `visit` gets MediaClassKey, open with full access, and the instance's name. Without
// MediaClassKey there are none; an instance that cannot be opened is passed over. A listing that
// fails part-way ends the walk, and its status is returned; kErrorSuccess otherwise. The writer and
// the catalogue of the values the program writes both walk with this, so they name the same keys.
using FanOutVisitor = std::function<void(RegHandle classKey, const std::string& instance)>;
[[nodiscard]] RegStatus ForEachFanOutInstance(RegistryApi& api, const FanOutVisitor& visit);

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

  // Fan-out over the "DriverData" subkeys of the device instances below MediaClassKey. The read
  // gives the value of the last instance that holds one; a listing that fails reads as missing.
  // It throws RegistryError for a value of another type. The write throws "Failed to set data
  // for '<name>'" when a value cannot be written or an instance list cannot be read, so that a
  // save never passes over instances silently.
  [[nodiscard]] std::optional<int> GetRegIntKeyHKLM_all150subkeys(const std::string& name) const;
  void SetRegIntKeyHKLM_all150subkeys(const std::string& name, int value) const;

  RegistryApi& api() const { return api_; }

 private:
  RegistryApi& api_;
};

}  // namespace quellon
