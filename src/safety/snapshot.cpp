#include "safety/snapshot.h"

#include <algorithm>
#include <deque>
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

// Where a snapshot's sections and values go: into operations, or straight into a file's text.
class IntoOperations {
 public:
  explicit IntoOperations(std::vector<RegFileOperation>* out) : out_(out) {}
  void Section(RegHandle root, const std::string& key) {
    section_.root = root;
    section_.key = key;
    out_->push_back(section_);
  }
  void Set(NamedRegValue&& value) {
    RegFileOperation& op = Value(RegFileOperation::Kind::kSetValue, std::move(value.name));
    op.type = value.value.type;
    op.data = std::move(value.value.data);
  }
  void Delete(const std::string& name) { Value(RegFileOperation::Kind::kDeleteValue, name); }

 private:
  RegFileOperation& Value(RegFileOperation::Kind kind, std::string name) {
    RegFileOperation& op = out_->emplace_back();
    op.kind = kind;
    op.root = section_.root;
    op.key = section_.key;
    op.name = std::move(name);
    return op;
  }
  std::vector<RegFileOperation>* out_;
  RegFileOperation section_;
};

class IntoText {
 public:
  explicit IntoText(RegFileWriter* writer) : writer_(writer) {}
  void Section(RegHandle root, const std::string& key) { writer_->Section(root, key); }
  void Set(NamedRegValue&& value) {
    writer_->SetValue(value.name, value.value.type, value.value.data);
  }
  void Delete(const std::string& name) { writer_->DeleteValue(name); }

 private:
  RegFileWriter* writer_;
};

// The key's section, then each of its catalogue values: set where the key holds it, under the
// registry's spelling of its name, deleted where not. `read` is the key as the walk that found it
// listed it, or null; its values are taken as they are used.
template <class Sink>
void SnapshotKey(RegistryApi& api, const Catalogue& catalogue, const CatalogueKey& entry,
                 ListedKey* read, std::vector<std::string>* unread, Sink& sink) {
  const std::string lies = api.IsWow64View() ? Wow64Spelling(entry.root, entry.key) : entry.key;
  if (!RegFileCanCarry(entry.key)) {
    unread->push_back(RegFileKeyName(entry.root, lies) +
                      " (its name holds a line break, which a .reg file cannot carry)");
    return;
  }
  // Each value is read with the listing that finds it, so a key costs one call per value it holds.
  std::vector<NamedRegValue> listed;
  const RegStatus status = read ? read->status : ListKey(api, entry, &listed);
  std::vector<NamedRegValue>& present = read ? read->values : listed;
  if (status != kErrorSuccess && status != kErrorFileNotFound) {
    unread->push_back(Unread(RegFileKeyName(entry.root, lies), status));
    return;
  }
  // A key that is not there keeps its section, and each of its values is a deletion.
  sink.Section(entry.root, lies);
  for (const std::size_t place : entry.values) {
    const std::string& name = catalogue.values()[place].name;
    const auto found = std::find_if(present.begin(), present.end(), [&](const NamedRegValue& p) {
      return RegNamesEqual(p.name, name);
    });
    if (found == present.end()) {
      sink.Delete(name);
      continue;
    }
    sink.Set(std::move(*found));
    present.erase(found);  // a value taken is no longer there to be found
  }
}

// Every key of the catalogue, in its order; a key in `read` is not opened again.
template <class Sink>
void SnapshotKeys(RegistryApi& api, const Catalogue& catalogue, std::span<ListedKey> read,
                  std::vector<std::string>* unread, Sink& sink) {
  const std::deque<CatalogueKey>& keys = catalogue.keys();
  std::vector<ListedKey*> read_at(keys.size(), nullptr);
  for (ListedKey& key : read) {
    const std::optional<std::size_t> place = catalogue.KeyPlace(key.root, key.key);
    if (place && !read_at[*place]) read_at[*place] = &key;
  }
  for (std::size_t i = 0; i < keys.size(); ++i)
    SnapshotKey(api, catalogue, keys[i], read_at[i], unread, sink);
}

std::vector<std::string> Comments(std::vector<std::string> first,
                                  const std::vector<std::string>& unread) {
  for (const std::string& what : unread)
    first.push_back("Not recorded, as Quellon could not read it: " + what);
  return first;
}

// About the size of the snapshot's text, so that it is not copied as it grows.
std::size_t ExpectedText(const Catalogue& catalogue) {
  std::size_t size = 48 * catalogue.size();
  for (const CatalogueKey& key : catalogue.keys()) size += key.key.size() + 48;
  return size;
}

}  // namespace

SettingsSnapshot Snapshot(RegistryApi& api, const Catalogue& catalogue) {
  SettingsSnapshot snapshot;
  snapshot.unread = catalogue.unlisted();
  snapshot.operations.reserve(catalogue.keys().size() + catalogue.size());
  IntoOperations sink(&snapshot.operations);
  SnapshotKeys(api, catalogue, {}, &snapshot.unread, sink);
  return snapshot;
}

std::string SnapshotFile(RegistryApi& api, const Catalogue& catalogue, std::span<ListedKey> read,
                         RegFileEncoding encoding, std::vector<std::string> first) {
  std::vector<std::string> unread = catalogue.unlisted();
  RegFileWriter writer(encoding, ExpectedText(catalogue));
  IntoText sink(&writer);
  SnapshotKeys(api, catalogue, read, &unread, sink);
  return writer.Finish(Comments(std::move(first), unread));
}

std::string SettingsSnapshot::File(RegFileEncoding encoding, std::vector<std::string> first) const {
  return FormatRegFile(operations, encoding, Comments(std::move(first), unread));
}

std::size_t CountValues(const std::vector<RegFileOperation>& operations) {
  return static_cast<std::size_t>(
      std::count_if(operations.begin(), operations.end(),
                    [](const RegFileOperation& op) { return op.is_value(); }));
}

}  // namespace quellon
