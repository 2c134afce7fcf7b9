#pragma once
// Reading whole values and listing names without trusting sizes or terminators: a first try with a
// buffer that holds most values and every name the registry allows, then buffers sized from the
// registry, read again when a value or name grew in between.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "registry/registry_api.h"

namespace quellon {

struct RegValue {
  RegType type = kRegNone;
  std::vector<std::uint8_t> data;
};

// Reads the type and all data of a value: in one call when it fits the first buffer. Never reads
// past what the registry reported. On failure the data is empty.
RegStatus ReadValue(RegistryApi& api, RegHandle key, const std::string& name, RegValue* out);

// Lists the subkey or value names of a key in the registry's enumeration order. Stops at the
// first failure and returns it, with the names listed so far.
RegStatus ListSubKeyNames(RegistryApi& api, RegHandle key, std::vector<std::string>* names);
RegStatus ListValueNames(RegistryApi& api, RegHandle key, std::vector<std::string>* names);

// Lists the values of a key with their types and data, one call each where the data fits the
// first buffer, in the registry's enumeration order. Stops at the first failure and returns it,
// with the values listed so far.
struct NamedRegValue {
  std::string name;
  RegValue value;
};
RegStatus ListValues(RegistryApi& api, RegHandle key, std::vector<NamedRegValue>* values);

// A key's values as one listing read them, or the status that kept them from being listed
// (kErrorFileNotFound for a key that is not there).
struct ListedKey {
  RegHandle root = kNoKey;
  std::string key;
  RegStatus status = kErrorSuccess;
  std::vector<NamedRegValue> values;
};

// Deletes a key with everything below it. kErrorFileNotFound when the key does not exist.
RegStatus DeleteKeyTree(RegistryApi& api, RegHandle parent, const std::string& subKey);

// The text of REG_SZ or REG_EXPAND_SZ data: up to the first zero byte, or all of it when it holds
// none.
std::string TextFromData(const std::vector<std::uint8_t>& data);

// A text as REG_SZ stores it: its bytes and one terminating zero.
std::vector<std::uint8_t> DataFromText(const std::string& text);

// REG_DWORD data is little-endian.
std::array<std::uint8_t, 4> DwordToBytes(std::uint32_t value);
std::uint32_t DwordFromBytes(const std::uint8_t* bytes);

}  // namespace quellon
