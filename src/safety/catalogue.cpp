#include "safety/catalogue.h"

#include <string>
#include <utility>

#include "registry/cp1252.h"

namespace quellon {

std::string FoldedKey(RegHandle root, std::string_view key) {
  return std::to_string(root) + '\0' + FoldRegName(key);
}

void Catalogue::Add(RegHandle root, std::string key, std::string name, ValueType type) {
  auto [entry, added] = keys_.try_emplace(FoldedKey(root, key), KeyEntry{keys_.size(), {}});
  if (!entry->second.values.try_emplace(FoldRegName(name), values_.size()).second) return;
  key_places_.push_back(entry->second.place);
  values_.push_back({root, std::move(key), std::move(name), type});
}

const Catalogue::KeyEntry* Catalogue::Find(RegHandle root, std::string_view key) const {
  const auto found = keys_.find(FoldedKey(root, key));
  return found == keys_.end() ? nullptr : &found->second;
}

bool Catalogue::Contains(RegHandle root, std::string_view key, std::string_view name) const {
  return TypeOf(root, key, name).has_value();
}

std::optional<ValueType> Catalogue::TypeOf(RegHandle root, std::string_view key,
                                           std::string_view name) const {
  const KeyEntry* entry = Find(root, key);
  if (!entry) return std::nullopt;
  const auto found = entry->values.find(FoldRegName(name));
  if (found == entry->values.end()) return std::nullopt;
  return values_[found->second].type;
}

bool Catalogue::HasKey(RegHandle root, std::string_view key) const {
  return Find(root, key) != nullptr;
}

std::vector<CatalogueKey> Catalogue::ByKey() const {
  std::vector<CatalogueKey> keys(keys_.size());
  for (std::size_t i = 0; i < values_.size(); ++i) {
    CatalogueKey& key = keys[key_places_[i]];
    if (key.names.empty()) {
      key.root = values_[i].root;
      key.key = values_[i].key;
    }
    key.names.push_back(values_[i].name);
  }
  return keys;
}

}  // namespace quellon
