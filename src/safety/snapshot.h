#pragma once
// The state of every catalogue value as .reg operations: a value that is there with its type and
// data, a missing one as its deletion, so that applying the operations brings back exactly the
// values as they were. A key that is missing keeps its section (importing it creates the key,
// empty) and lists its values as deletions. What exists but cannot be read is left out and named,
// never recorded as missing: restoring a deletion would remove a value nobody looked at.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "registry/reg_file.h"
#include "registry/registry_util.h"
#include "safety/catalogue.h"

namespace quellon {

struct SettingsSnapshot {
  std::vector<RegFileOperation> operations;
  // Each key or value left out, with the reason: "HKEY_LOCAL_MACHINE\...\DriverData (error 5)",
  // a name a .reg file cannot carry, and what the catalogue could not list.
  std::vector<std::string> unread;

  // The snapshot as a .reg file, each left-out key or value named in a comment line after the
  // comments `first`.
  std::string File(RegFileEncoding encoding = RegFileEncoding::kUnicode,
                   std::vector<std::string> first = {}) const;
};

// Keys in catalogue order, each with its values in catalogue order, under the registry's own
// spelling of a value's name where the value exists.
SettingsSnapshot Snapshot(RegistryApi& api, const Catalogue& catalogue);

// The snapshot's .reg file, written as each key is read, without the operations in between: the
// text of Snapshot(api, catalogue).File(encoding, first). A key found in `read` is taken as read
// there, by the walk that found it a moment before, and is not opened again; the file takes the
// values it records out of it.
std::string SnapshotFile(RegistryApi& api, const Catalogue& catalogue, std::span<ListedKey> read,
                         RegFileEncoding encoding, std::vector<std::string> first = {});

// How many values the operations set or delete.
std::size_t CountValues(const std::vector<RegFileOperation>& operations);

}  // namespace quellon
