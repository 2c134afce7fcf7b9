#pragma once
// The closed-caption fan-out of the PVR-250/350: the card's media driver keys that carry the
// marker "EnableVIMProtection" also take the closed-caption flag "InsertCCinDVD".

#include <functional>
#include <string>

#include "registry/registry_api.h"

namespace quellon::settings {

// Walks the media driver keys that carry the marker: first each "Driver" key below
// "System\CurrentControlSet\Services\Class\MEDIA\<device>", then below
// "System\CurrentControlSet\Control\Class\<class>\<instance>". `visit` gets each such key, open
// with full access, and its path below HKEY_LOCAL_MACHINE; only one key is open besides it. Creates
// no key and skips every key it cannot open. A key whose names cannot all be listed ends the walk,
// so that no card is passed over silently: its status is returned; kErrorSuccess otherwise. The
// flag's writer and the catalogue of the values the program writes both walk with this.
using MarkedKeyVisitor = std::function<void(RegHandle key, const std::string& path)>;
[[nodiscard]] RegStatus ForEachMarkedDriverKey(RegistryApi& api, const MarkedKeyVisitor& visit);

// Writes "InsertCCinDVD" = 1 (enable) or 0 into every marked Driver key. A failing write, or a key
// whose names cannot all be listed, raises RegistryError "Failed to set data for 'InsertCCinDVD'"
// and ends the walk.
void SetCCKey(RegistryApi& api, bool enable);

}  // namespace quellon::settings
