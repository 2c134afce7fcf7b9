#include "safety/snapshot.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "registry/cp1252.h"
#include "registry/registry_util.h"
#include "registry/wow64_spelling.h"

namespace quellon {
namespace {

std::string Unread(const std::string& what, RegStatus status) {
  return what + " (error " + std::to_string(static_cast<int>(status)) + ")";
}

void AddValue(RegFileOperation op, RegFileOperation::Kind kind, std::string name,
              std::vector<RegFileOperation>* out) {
  op.kind = kind;
  op.name = std::move(name);
  out->push_back(std::move(op));
}

// The key's values, or why they could not be listed (kErrorFileNotFound: the key is not there).
RegStatus ListKey(RegistryApi& api, const CatalogueKey& entry,
                  std::vector<NamedRegValue>* present) {
  RegKey key;
  const RegStatus status = RegKey::Open(api, entry.root, entry.key, kKeyRead, &key);
  return status == kErrorSuccess ? ListValues(api, key.get(), present) : status;
}

void SnapshotKey(RegistryApi& api, const CatalogueKey& entry, const ListedKey* read,
                 SettingsSnapshot* snapshot) {
  const std::string lies = api.IsWow64View() ? Wow64Spelling(entry.root, entry.key) : entry.key;
  const std::string shown = RegFileKeyName(entry.root, lies);
  if (!RegFileCanCarry(entry.key)) {
    snapshot->unread.push_back(shown +
                               " (its name holds a line break, which a .reg file cannot carry)");
    return;
  }
  std::vector<RegFileOperation>* out = &snapshot->operations;
  RegFileOperation section;
  section.root = entry.root;
  section.key = lies;
  // Each value is read with the listing that finds it, under the registry's own spelling of its
  // name, so a key costs one call per value it holds.
  std::vector<NamedRegValue> listed;
  const RegStatus status = read ? read->status : ListKey(api, entry, &listed);
  const std::vector<NamedRegValue>& present = read ? read->values : listed;
  if (status == kErrorFileNotFound) {
    out->push_back(section);
    for (const std::string& name : entry.names)
      AddValue(section, RegFileOperation::Kind::kDeleteValue, name, out);
    return;
  }
  if (status != kErrorSuccess) {
    snapshot->unread.push_back(Unread(shown, status));
    return;
  }
  out->push_back(section);
  for (const std::string& name : entry.names) {
    const auto found = std::find_if(present.begin(), present.end(), [&](const NamedRegValue& p) {
      return RegNamesEqual(p.name, name);
    });
    if (found == present.end()) {
      AddValue(section, RegFileOperation::Kind::kDeleteValue, name, out);
      continue;
    }
    RegFileOperation set = section;
    set.type = found->value.type;
    set.data = found->value.data;
    AddValue(std::move(set), RegFileOperation::Kind::kSetValue, found->name, out);
  }
}

}  // namespace

SettingsSnapshot Snapshot(RegistryApi& api, const Catalogue& catalogue,
                          std::span<const ListedKey> read) {
  std::unordered_map<std::string, const ListedKey*> index;
  for (const ListedKey& key : read) index.emplace(FoldedKey(key.root, key.key), &key);
  SettingsSnapshot snapshot;
  snapshot.unread = catalogue.unlisted();
  const std::vector<CatalogueKey> keys = catalogue.ByKey();
  snapshot.operations.reserve(keys.size() + catalogue.size());
  for (const CatalogueKey& key : keys) {
    const auto found = index.find(FoldedKey(key.root, key.key));
    SnapshotKey(api, key, found == index.end() ? nullptr : found->second, &snapshot);
  }
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
