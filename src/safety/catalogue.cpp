#include "safety/catalogue.h"

#include <string>
#include <utility>

#include "registry/cp1252.h"

namespace quellon {
namespace {

std::size_t KeyHash(RegHandle root, std::string_view key) {
  return HashRegName(key, static_cast<std::size_t>(root));
}

}  // namespace

Catalogue::Catalogue(const Catalogue& other) : unlisted_(other.unlisted_) {
  Reserve(other.size());
  for (const CatalogueValue& value : other.values_)
    Add(value.root, value.key, value.name, value.type);
}

Catalogue& Catalogue::operator=(const Catalogue& other) {
  if (this != &other) *this = Catalogue(other);
  return *this;
}

void Catalogue::Add(RegHandle root, std::string_view key, std::string name, ValueType type) {
  std::optional<std::size_t> place = KeyPlace(root, key);
  if (place && FindValue(keys_[*place], name)) return;
  if (!place) {
    place = keys_.size();
    key_index_.emplace(KeyHash(root, key), *place);
    keys_.push_back({root, std::string(key), {}});
  }
  CatalogueKey& entry = keys_[*place];
  // A key holds a few of the program's values, so they are looked through one by one.
  entry.values.push_back(values_.size());
  const std::string_view spelt =
      key == entry.key ? std::string_view(entry.key) : spellings_.emplace_back(key);
  values_.push_back({root, spelt, std::move(name), type});
}

std::optional<std::size_t> Catalogue::KeyPlace(RegHandle root, std::string_view key) const {
  for (auto [at, end] = key_index_.equal_range(KeyHash(root, key)); at != end; ++at) {
    const CatalogueKey& candidate = keys_[at->second];
    if (candidate.root == root && RegNamesEqual(candidate.key, key)) return at->second;
  }
  return std::nullopt;
}

const CatalogueKey* Catalogue::Find(RegHandle root, std::string_view key) const {
  const std::optional<std::size_t> place = KeyPlace(root, key);
  return place ? &keys_[*place] : nullptr;
}

const CatalogueValue* Catalogue::FindValue(const CatalogueKey& key, std::string_view name) const {
  for (const std::size_t place : key.values)
    if (RegNamesEqual(values_[place].name, name)) return &values_[place];
  return nullptr;
}

bool Catalogue::Contains(RegHandle root, std::string_view key, std::string_view name) const {
  return TypeOf(root, key, name).has_value();
}

std::optional<ValueType> Catalogue::TypeOf(RegHandle root, std::string_view key,
                                           std::string_view name) const {
  const CatalogueKey* entry = Find(root, key);
  const CatalogueValue* value = entry ? FindValue(*entry, name) : nullptr;
  if (!value) return std::nullopt;
  return value->type;
}

bool Catalogue::HasKey(RegHandle root, std::string_view key) const {
  return Find(root, key) != nullptr;
}

}  // namespace quellon
