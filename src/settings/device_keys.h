#pragma once
// The keys a value goes to besides its own: the device instances of the fan-out and the media
// driver keys of the closed captions. The save, and the catalogue of what a save may write, both
// walk with these, so they name the same keys. Besides keys.h, this is the one place that knows
// how device keys lie.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "registry/registry_api.h"
#include "registry/registry_util.h"

namespace quellon::settings {

// The device instances the fan-out writes into, in the registry's order: each subkey of
// keys::kMediaClass that has a "DriverData" subkey (in any letter case), and "0018" whether it
// has one or not. `visit` gets the media class key, open with full access, and the instance's
// name. Without the media class key there are none; an instance that cannot be opened is passed
// over. A listing that fails part-way ends the walk, and its status is returned; kErrorSuccess
// otherwise.
using FanOutVisitor = std::function<void(RegHandle classKey, const std::string& instance)>;
[[nodiscard]] RegStatus ForEachFanOutInstance(RegistryApi& api, const FanOutVisitor& visit);

// The fan-out pair over the "DriverData" keys of the device instances. The read gives the value
// of the last instance that holds one (nothing when none does, or a listing fails); it throws
// RegistryError for a value of another type ("Invalid data type for '<name>'", or "Failed to get
// data for '<name>'" when it is longer than four bytes). The write throws "Failed to set data for
// '<name>'" when a value cannot be written or an instance list cannot be read, so that a save
// never passes over instances silently.
[[nodiscard]] std::optional<int> GetRegIntKeyHKLM_all150subkeys(RegistryApi& api,
                                                                const std::string& name);
void SetRegIntKeyHKLM_all150subkeys(RegistryApi& api, const std::string& name, int value);

// The fan-out read for a load, which reads several values: the instances and the names of their
// values are listed once, when it is made, and each read opens only the instances that list the
// name. Reads give what GetRegIntKeyHKLM_all150subkeys gives while the registry stays as listed;
// whoever writes makes a new one.
class FanOutListing {
 public:
  explicit FanOutListing(RegistryApi& api);
  [[nodiscard]] std::optional<int> Read(const std::string& name) const;

 private:
  struct Instance {
    std::string name;
    std::vector<std::string> values;
  };
  RegistryApi& api_;
  RegKey classKey_;                  // closed without the media class key or its listing
  std::vector<Instance> instances_;  // those whose values could be listed, in listing order
};

// The media driver keys that carry the closed-caption marker "EnableVIMProtection": first each
// "Driver" key below "System\CurrentControlSet\Services\Class\MEDIA\<device>", then below
// "System\CurrentControlSet\Control\Class\<class>\<instance>". `visit` gets each such key, open
// with full access, its path below HKEY_LOCAL_MACHINE and the values with their data that the
// listing which found the marker read; only one key is open besides it.
// Creates no key and skips every key it cannot open. A key whose names cannot all be listed ends
// the walk, so that no card is passed over silently: its status is returned; kErrorSuccess
// otherwise.
using MarkedKeyVisitor = std::function<void(RegHandle key, const std::string& path,
                                            const std::vector<NamedRegValue>& values)>;
[[nodiscard]] RegStatus ForEachMarkedDriverKey(RegistryApi& api, const MarkedKeyVisitor& visit);

// Writes "InsertCCinDVD" = 1 (enable) or 0 into every marked Driver key. A failing write, or a key
// whose names cannot all be listed, raises RegistryError "Failed to set data for 'InsertCCinDVD'"
// and ends the walk.
void SetCCKey(RegistryApi& api, bool enable);

}  // namespace quellon::settings
