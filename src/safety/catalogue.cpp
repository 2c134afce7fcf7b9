#include "safety/catalogue.h"

#include <string>
#include <utility>

#include "registry/cp1252.h"

namespace quellon {

namespace {

// A key, or a value when `name` is given, as one string the registry's way of comparing names
// cannot tell apart from another spelling of it. No name holds a zero byte.
std::string Folded(RegHandle root, std::string_view key, const std::string_view* name = nullptr) {
  std::string folded = std::to_string(root);
  folded += '\0';
  folded += FoldRegName(key);
  if (name) {
    folded += '\0';
    folded += FoldRegName(*name);
  }
  return folded;
}

}  // namespace

void Catalogue::Add(RegHandle root, std::string key, std::string name, ValueType type) {
  const std::string_view named = name;
  if (!index_.try_emplace(Folded(root, key, &named), values_.size()).second) return;
  keys_.insert(Folded(root, key));
  values_.push_back({root, std::move(key), std::move(name), type});
}

bool Catalogue::Contains(RegHandle root, std::string_view key, std::string_view name) const {
  return index_.count(Folded(root, key, &name)) > 0;
}

std::optional<ValueType> Catalogue::TypeOf(RegHandle root, std::string_view key,
                                           std::string_view name) const {
  const auto found = index_.find(Folded(root, key, &name));
  if (found == index_.end()) return std::nullopt;
  return values_[found->second].type;
}

bool Catalogue::HasKey(RegHandle root, std::string_view key) const {
  return keys_.count(Folded(root, key)) > 0;
}

std::vector<CatalogueKey> Catalogue::ByKey() const {
  std::vector<CatalogueKey> keys;
  std::unordered_map<std::string, std::size_t> where;  // a key's place in `keys`
  for (const CatalogueValue& value : values_) {
    const auto [at, added] = where.try_emplace(Folded(value.root, value.key), keys.size());
    if (added) keys.push_back({value.root, value.key, {}});
    keys[at->second].names.push_back(value.name);
  }
  return keys;
}

}  // namespace quellon
