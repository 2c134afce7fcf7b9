#pragma once
// The catalogue: every registry value the program may write on this machine, as root, key and
// value name (with the type the program writes there), with the device instance keys of the
// fan-outs already found by enumerating the registry. What a backup holds, what an export writes
// and what an import may change. Key paths and value names compare as the registry compares them,
// without regard to case.

#include <cstddef>
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
  std::string key;   // below the root, spelt as the program spells it
  std::string name;  // "" is the default value
  ValueType type = ValueType::kAny;
};

// The values of one key.
struct CatalogueKey {
  RegHandle root = kNoKey;
  std::string key;
  std::vector<std::string> names;
};

class Catalogue {
 public:
  // A value already listed, in any letter case, is not listed again.
  void Add(RegHandle root, std::string key, std::string name, ValueType type = ValueType::kAny);

  bool Contains(RegHandle root, std::string_view key, std::string_view name) const;
  // What the program writes into the value; nothing for a value outside the catalogue.
  std::optional<ValueType> TypeOf(RegHandle root, std::string_view key,
                                  std::string_view name) const;
  // True when a value of the catalogue lives in this key.
  bool HasKey(RegHandle root, std::string_view key) const;

  // In the order they were added.
  const std::vector<CatalogueValue>& values() const { return values_; }
  std::size_t size() const { return values_.size(); }
  // The values grouped by key, the keys in the order of their first value.
  std::vector<CatalogueKey> ByKey() const;

  // What could not be listed while the catalogue was made ("the device instances below ...
  // (error 5)"): the values found there are missing from it, and a backup says so.
  void NoteUnlisted(std::string what) { unlisted_.push_back(std::move(what)); }
  const std::vector<std::string>& unlisted() const { return unlisted_; }

 private:
  struct KeyEntry {
    std::size_t place;                                    // among the keys, in order of adding
    std::unordered_map<std::string, std::size_t> values;  // by folded name: place in values_
  };
  const KeyEntry* Find(RegHandle root, std::string_view key) const;

  std::vector<CatalogueValue> values_;
  std::vector<std::size_t> key_places_;  // each value's key's place
  // By root and key as the registry compares them (FoldRegName): a machine with thousands of
  // device instances lists tens of thousands of values below paths that differ only at the end.
  std::unordered_map<std::string, KeyEntry> keys_;
  std::vector<std::string> unlisted_;
};

// A key as one string that no other spelling of it, to the registry, differs from: the key of a
// hash table of keys.
std::string FoldedKey(RegHandle root, std::string_view key);

// Builds the catalogue from the registry as it is now: device instances come and go, so it is made
// afresh for every use.
using CatalogueProvider = std::function<Catalogue(RegistryApi&)>;

}  // namespace quellon
