#include "safety/catalogue.h"

#include <map>
#include <utility>

#include "registry/cp1252.h"

namespace quellon {

bool Catalogue::NoCase::operator()(const CatalogueValue& a, const CatalogueValue& b) const {
  if (a.root != b.root) return a.root < b.root;
  if (const int key = CompareRegNames(a.key, b.key); key != 0) return key < 0;
  return CompareRegNames(a.name, b.name) < 0;
}

void Catalogue::Add(RegHandle root, std::string key, std::string name, ValueType type) {
  CatalogueValue value{root, std::move(key), std::move(name), type};
  if (!index_.insert(value).second) return;
  keys_.insert({value.root, value.key, ""});
  values_.push_back(std::move(value));
}

bool Catalogue::Contains(RegHandle root, std::string_view key, std::string_view name) const {
  return index_.count({root, std::string(key), std::string(name)}) > 0;
}

std::optional<ValueType> Catalogue::TypeOf(RegHandle root, std::string_view key,
                                           std::string_view name) const {
  const auto found = index_.find({root, std::string(key), std::string(name)});
  if (found == index_.end()) return std::nullopt;
  return found->type;
}

bool Catalogue::HasKey(RegHandle root, std::string_view key) const {
  return keys_.count({root, std::string(key), ""}) > 0;
}

std::vector<CatalogueKey> Catalogue::ByKey() const {
  std::vector<CatalogueKey> keys;
  std::map<CatalogueValue, std::size_t, NoCase> where;  // a key's place in `keys`
  for (const CatalogueValue& value : values_) {
    const auto [at, added] = where.try_emplace({value.root, value.key, ""}, keys.size());
    if (added) keys.push_back({value.root, value.key, {}});
    keys[at->second].names.push_back(value.name);
  }
  return keys;
}

}  // namespace quellon
