#pragma once
// The state of every catalogue value as .reg operations: a value that is there with its type and
// data, a missing one as its deletion, so that applying the operations brings back exactly the
// values as they were. A key that is missing keeps its section (importing it creates the key,
// empty) and lists its values as deletions.

#include <cstddef>
#include <vector>

#include "registry/reg_file.h"
#include "safety/catalogue.h"

namespace quellon {

// Keys in catalogue order, each with its values in catalogue order, under the registry's own
// spelling of a value's name where the value exists. Throws RegistryError naming the key or value
// that exists but cannot be read: a backup must not record it as missing.
std::vector<RegFileOperation> Snapshot(RegistryApi& api, const Catalogue& catalogue);

// How many values the operations set or delete.
std::size_t CountValues(const std::vector<RegFileOperation>& operations);

}  // namespace quellon
