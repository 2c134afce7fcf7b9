#include "safety/snapshot.h"

#include <algorithm>
#include <string>

#include "registry/cp1252.h"
#include "registry/registry_util.h"

namespace quellon {
namespace {

[[noreturn]] void CannotRead(const std::string& what, RegStatus status) {
  throw RegistryError(
      status, "Cannot read " + what + " (error " + std::to_string(static_cast<int>(status)) + ")");
}

void AddValue(RegFileOperation op, RegFileOperation::Kind kind, std::string name,
              std::vector<RegFileOperation>* out) {
  op.kind = kind;
  op.name = std::move(name);
  out->push_back(std::move(op));
}

void SnapshotKey(RegistryApi& api, const CatalogueKey& entry, std::vector<RegFileOperation>* out) {
  RegFileOperation section;
  section.root = entry.root;
  section.key = entry.key;
  out->push_back(section);
  const std::string shown = RegFileKeyName(entry.root, entry.key);
  RegKey key;
  RegStatus status = RegKey::Open(api, entry.root, entry.key, kKeyRead, &key);
  if (status == kErrorFileNotFound) {
    for (const std::string& name : entry.names)
      AddValue(section, RegFileOperation::Kind::kDeleteValue, name, out);
    return;
  }
  if (status != kErrorSuccess) CannotRead(shown, status);
  std::vector<std::string> present;
  if ((status = ListValueNames(api, key.get(), &present)) != kErrorSuccess)
    CannotRead(shown, status);
  for (const std::string& name : entry.names) {
    const auto found = std::find_if(present.begin(), present.end(),
                                    [&](const std::string& p) { return RegNamesEqual(p, name); });
    RegValue value;
    status =
        found == present.end() ? kErrorFileNotFound : ReadValue(api, key.get(), *found, &value);
    if (status == kErrorFileNotFound) {
      AddValue(section, RegFileOperation::Kind::kDeleteValue, name, out);
      continue;
    }
    if (status != kErrorSuccess) CannotRead(shown + "\\" + name, status);
    RegFileOperation set = section;
    set.type = value.type;
    set.data = std::move(value.data);
    AddValue(std::move(set), RegFileOperation::Kind::kSetValue, *found, out);
  }
}

}  // namespace

std::vector<RegFileOperation> Snapshot(RegistryApi& api, const Catalogue& catalogue) {
  std::vector<RegFileOperation> operations;
  for (const CatalogueKey& key : catalogue.ByKey()) SnapshotKey(api, key, &operations);
  return operations;
}

std::size_t CountValues(const std::vector<RegFileOperation>& operations) {
  return static_cast<std::size_t>(
      std::count_if(operations.begin(), operations.end(),
                    [](const RegFileOperation& op) { return op.is_value(); }));
}

}  // namespace quellon
