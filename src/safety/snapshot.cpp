#include "safety/snapshot.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "registry/cp1252.h"
#include "registry/registry_util.h"
#include "registry/wow64_spelling.h"

namespace quellon {
namespace {

std::string Unread(const std::string& what, RegStatus status) {
  return what + " (error " + std::to_string(static_cast<int>(status)) + ")";
}

// The key's values, or why they could not be listed (kErrorFileNotFound: the key is not there).
RegStatus ListKey(RegistryApi& api, const CatalogueKey& entry,
                  std::vector<NamedRegValue>* present) {
  RegKey key;
  const RegStatus status = RegKey::Open(api, entry.root, entry.key, kKeyRead, &key);
  return status == kErrorSuccess ? ListValues(api, key.get(), present) : status;
}

// Appends the value's operation: its setting where the key holds it, its deletion where not.
// `present` is the key's listing, whose values are taken as they are used.
void AddValue(const RegFileOperation& section, const std::string& name,
              std::vector<NamedRegValue>& present, std::vector<RegFileOperation>* out) {
  RegFileOperation op = section;
  const auto found = std::find_if(present.begin(), present.end(), [&](const NamedRegValue& p) {
    return RegNamesEqual(p.name, name);
  });
  if (found == present.end()) {
    op.kind = RegFileOperation::Kind::kDeleteValue;
    op.name = name;
    out->push_back(std::move(op));
    return;
  }
  op.kind = RegFileOperation::Kind::kSetValue;
  op.name = std::move(found->name);
  op.type = found->value.type;
  op.data = std::move(found->value.data);
  present.erase(found);
  out->push_back(std::move(op));
}

void SnapshotKey(RegistryApi& api, const Catalogue& catalogue, const CatalogueKey& entry,
                 ListedKey* read, SettingsSnapshot* snapshot) {
  const std::string lies = api.IsWow64View() ? Wow64Spelling(entry.root, entry.key) : entry.key;
  if (!RegFileCanCarry(entry.key)) {
    snapshot->unread.push_back(RegFileKeyName(entry.root, lies) +
                               " (its name holds a line break, which a .reg file cannot carry)");
    return;
  }
  // Each value is read with the listing that finds it, under the registry's own spelling of its
  // name, so a key costs one call per value it holds.
  std::vector<NamedRegValue> listed;
  const RegStatus status = read ? read->status : ListKey(api, entry, &listed);
  std::vector<NamedRegValue>& present = read ? read->values : listed;
  if (status != kErrorSuccess && status != kErrorFileNotFound) {
    snapshot->unread.push_back(Unread(RegFileKeyName(entry.root, lies), status));
    return;
  }
  // A key that is not there keeps its section, and each of its values is a deletion.
  RegFileOperation section;
  section.root = entry.root;
  section.key = lies;
  snapshot->operations.push_back(section);
  for (const std::size_t place : entry.values)
    AddValue(section, catalogue.values()[place].name, present, &snapshot->operations);
}

}  // namespace

SettingsSnapshot Snapshot(RegistryApi& api, const Catalogue& catalogue, std::span<ListedKey> read) {
  const std::vector<CatalogueKey>& keys = catalogue.keys();
  std::vector<ListedKey*> read_at(keys.size(), nullptr);
  for (ListedKey& key : read) {
    const std::optional<std::size_t> place = catalogue.KeyPlace(key.root, key.key);
    if (place && !read_at[*place]) read_at[*place] = &key;
  }
  SettingsSnapshot snapshot;
  snapshot.unread = catalogue.unlisted();
  snapshot.operations.reserve(keys.size() + catalogue.size());
  for (std::size_t i = 0; i < keys.size(); ++i)
    SnapshotKey(api, catalogue, keys[i], read_at[i], &snapshot);
  return snapshot;
}

std::string SettingsSnapshot::File(RegFileEncoding encoding, std::vector<std::string> first) const {
  std::vector<std::string> comments = std::move(first);
  for (const std::string& what : unread)
    comments.push_back("Not recorded, as Quellon could not read it: " + what);
  return FormatRegFile(operations, encoding, comments);
}

std::size_t CountValues(const std::vector<RegFileOperation>& operations) {
  return static_cast<std::size_t>(
      std::count_if(operations.begin(), operations.end(),
                    [](const RegFileOperation& op) { return op.is_value(); }));
}

}  // namespace quellon
