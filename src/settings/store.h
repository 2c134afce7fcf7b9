#pragma once
// The settings as the loader and the saver see them: read and written by their descriptions, over
// the registry operations. The one writer of setting values: the plain ones through the registry
// operations, those on device keys through the walks of device_keys.h.

#include <memory>
#include <optional>
#include <string>

#include "base/reg_value_missing.h"
#include "settings/stored_value.h"

namespace quellon {
class RegistryOps;
}

namespace quellon::settings {

class FanOutListing;

class Store {
 public:
  explicit Store(const RegistryOps& registry);
  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  // The integer a value holds: a plain value (or one kept plain and on every instance) from its
  // key, a fan-out value from the last device instance that holds one. Nothing when missing or
  // unreadable. A fan-out value of another type throws RegistryError. The device instances are
  // listed at the first fan-out value and again after a write through this store.
  [[nodiscard]] std::optional<int> Read(const Value& value) const;
  // The text of a REG_SZ or REG_EXPAND_SZ value: nothing when its key cannot be opened, "" when the
  // value is missing or holds no text.
  [[nodiscard]] std::optional<std::string> ReadText(const Value& value) const;

  // Writes a REG_DWORD where the value lives: below its key, on every device instance, below its
  // key and then on every instance, or (the closed-caption flag, as 1 or 0) into every media driver
  // key that carries the marker. Throws RegistryError "Failed to set data for '<name>'".
  void Write(const Value& value, int stored) const;
  void WriteText(const Value& value, const std::string& text) const;
  // As Write, but a registry failure only makes it return false: for the steps whose failure
  // does not end a save.
  [[nodiscard]] bool TryWrite(const Value& value, int stored) const;
  // Deletes a plain value, creating its key when it is missing; reports nothing.
  void Delete(const Value& value) const;

 private:
  const RegistryOps& registry_;
  mutable std::unique_ptr<FanOutListing> fan_out_;
};

}  // namespace quellon::settings
