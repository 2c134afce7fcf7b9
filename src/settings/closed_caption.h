#pragma once
// The closed-caption fan-out of the PVR-250/350: the card's media driver keys that carry the
// marker "EnableVIMProtection" also take the closed-caption flag "InsertCCinDVD".

#include "registry/registry_api.h"

namespace quellon::settings {

// Writes "InsertCCinDVD" = 1 (enable) or 0 into every such Driver key, first below
// "System\CurrentControlSet\Services\Class\MEDIA\<device>", then below
// "System\CurrentControlSet\Control\Class\<class>\<instance>". Creates no key and skips every
// key it cannot open. A failing write, or a key whose names cannot all be listed, raises
// RegistryError "Failed to set data for 'InsertCCinDVD'" and ends the walk.
void SetCCKey(RegistryApi& api, bool enable);

}  // namespace quellon::settings
