#pragma once
// The catalogue: every registry value the program may write on this machine, as root, key and
// value name (with the type the program writes there), with the device instance keys of the
// fan-outs already found by enumerating the registry. What a backup holds, what an export writes
// and what an import may change. Key paths and value names compare as the registry compares them,
// without regard to case.

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "registry/registry_api.h"

namespace quellon {

// What the program writes into a value, and so all that an import may put there.
enum class ValueType {
  kAny,    // not known: any type and size
  kDword,  // REG_DWORD of 4 bytes
  kText    // REG_SZ: one string, ended by its only zero byte
};

struct CatalogueValue {
  RegHandle root = kNoKey;
  std::string_view key;  // below the root, spelt as the program spells it; the catalogue's own
  std::string name;      // "" is the default value
  ValueType type = ValueType::kAny;
};

// One key of the catalogue and its values.
struct CatalogueKey {
  RegHandle root = kNoKey;
  std::string key;                  // spelt as its first value spells it
  std::vector<std::size_t> values;  // places in Catalogue::values(), in the order of adding
};

// Holds each key once, however many values it has: a machine with thousands of device instances
// has tens of thousands of values. Its values point into it, so a copy is made by adding them anew.
class Catalogue {
 public:
  Catalogue() = default;
  Catalogue(const Catalogue& other);
  Catalogue(Catalogue&&) = default;
  Catalogue& operator=(const Catalogue& other);
  Catalogue& operator=(Catalogue&&) = default;

  // Room for this many values, so that a large catalogue is not copied as it grows.
  void Reserve(std::size_t values) { values_.reserve(values); }
  // A value already listed, in any letter case, is not listed again.
  void Add(RegHandle root, std::string_view key, std::string name,
           ValueType type = ValueType::kAny);

  bool Contains(RegHandle root, std::string_view key, std::string_view name) const;
  // What the program writes into the value; nothing for a value outside the catalogue.
  std::optional<ValueType> TypeOf(RegHandle root, std::string_view key,
                                  std::string_view name) const;
  // True when a value of the catalogue lives in this key.
  bool HasKey(RegHandle root, std::string_view key) const;

  // In the order they were added.
  const std::vector<CatalogueValue>& values() const { return values_; }
  std::size_t size() const { return values_.size(); }
  // The keys in the order of their first value.
  const std::deque<CatalogueKey>& keys() const { return keys_; }
  // The key's place in keys(), if the catalogue has it.
  std::optional<std::size_t> KeyPlace(RegHandle root, std::string_view key) const;

  // What could not be listed while the catalogue was made ("the device instances below ...
  // (error 5)"): the values found there are missing from it, and a backup says so.
  void NoteUnlisted(std::string what) { unlisted_.push_back(std::move(what)); }
  const std::vector<std::string>& unlisted() const { return unlisted_; }

 private:
  const CatalogueKey* Find(RegHandle root, std::string_view key) const;
  const CatalogueValue* FindValue(const CatalogueKey& key, std::string_view name) const;

  std::vector<CatalogueValue> values_;
  std::deque<CatalogueKey> keys_;      // a deque: the values' views of its keys stay where they are
  std::deque<std::string> spellings_;  // a key's other spellings, as some of its values spell it
  // Places in keys_ by a hash of root and key as the registry compares them: a machine with
  // thousands of device instances lists tens of thousands of values below paths that differ only
  // at the end. Looked up without a copy of the key, as a backup looks up every key it reads.
  std::unordered_multimap<std::size_t, std::size_t> key_index_;
  std::vector<std::string> unlisted_;
};

// Builds the catalogue from the registry as it is now: device instances come and go, so it is made
// afresh for every use.
using CatalogueProvider = std::function<Catalogue(RegistryApi&)>;

}  // namespace quellon
