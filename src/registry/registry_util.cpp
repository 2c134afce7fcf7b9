#include "registry/registry_util.h"

#include <algorithm>
#include <memory>
#include <new>

namespace quellon {
namespace {

// A value or name that keeps growing between the size query and the read is given up on after
// this many tries; the caller sees kErrorMoreData.
constexpr int kMaxReadAttempts = 8;

// Most values (every DWORD, every path) fit this, and are then read in one call without a size
// query first.
constexpr std::uint32_t kFirstReadBytes = 512;

// Longer than any name the registry accepts (value names hold at most 16383 characters).
constexpr std::uint32_t kNameBufferLimit = 32768;

RegStatus EnumName(RegistryApi& api, RegHandle key, bool subKeys, std::uint32_t index, char* name,
                   std::uint32_t* length) {
  return subKeys ? api.EnumKey(key, index, name, length)
                 : api.EnumValue(key, index, name, length, nullptr, nullptr, nullptr);
}

// Lists names by index from 0 until kErrorNoMoreItems. The buffer starts at the registry's own
// limit on names, so no RegQueryInfoKeyA is needed to size it; a name that still does not fit
// (one in a multi-byte code page, or one from a registry that ignores the limit) doubles it, and
// the same index is tried again.
RegStatus ListNames(RegistryApi& api, RegHandle key, bool subKeys,
                    std::vector<std::string>* names) {
  names->clear();
  std::uint32_t capacity =
      static_cast<std::uint32_t>((subKeys ? kMaxKeyNameChars : kMaxValueNameChars) + 1);
  auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
  for (std::uint32_t index = 0;;) {
    std::uint32_t length = capacity;
    const RegStatus status = EnumName(api, key, subKeys, index, buffer.get(), &length);
    if (status == kErrorNoMoreItems) return kErrorSuccess;
    if (status == kErrorMoreData) {
      if (capacity >= kNameBufferLimit + 1) return status;
      capacity = std::min(capacity * 2, kNameBufferLimit + 1);
      buffer = std::make_unique_for_overwrite<char[]>(capacity);
      continue;
    }
    if (status != kErrorSuccess) return status;
    names->emplace_back(buffer.get(), std::min(length, capacity - 1));
    ++index;
  }
}

// Reads the value into a buffer of `size` bytes; kErrorMoreData when it holds more.
RegStatus ReadInto(RegistryApi& api, RegHandle key, const std::string& name, std::uint32_t size,
                   RegValue* out) {
  out->data.assign(size, 0);
  if (size == 0) return kErrorSuccess;  // the size query found it empty
  std::uint32_t got = size;
  const RegStatus status = api.QueryValue(key, name, &out->type, out->data.data(), &got);
  if (status == kErrorSuccess) out->data.resize(std::min(got, size));
  return status;
}

}  // namespace

RegStatus ReadValue(RegistryApi& api, RegHandle key, const std::string& name, RegValue* out) {
  try {
    RegStatus status = ReadInto(api, key, name, kFirstReadBytes, out);
    // Longer data is read at the size the registry gives, again when it grew in between.
    for (int attempt = 0; status == kErrorMoreData && attempt < kMaxReadAttempts; ++attempt) {
      std::uint32_t size = 0;
      status = api.QueryValue(key, name, &out->type, nullptr, &size);
      if (status == kErrorSuccess) status = ReadInto(api, key, name, size, out);
    }
    if (status != kErrorSuccess) out->data.clear();
    return status;
  } catch (const std::bad_alloc&) {
    out->data.clear();
    return kErrorOutOfMemory;
  }
}

RegStatus ListSubKeyNames(RegistryApi& api, RegHandle key, std::vector<std::string>* names) {
  return ListNames(api, key, true, names);
}

RegStatus ListValueNames(RegistryApi& api, RegHandle key, std::vector<std::string>* names) {
  return ListNames(api, key, false, names);
}

// One RegEnumValueA per value, its data included. A call that finds the data too long says how
// long it is, and the same index is tried again with room for it; one that finds the name too
// long doubles the name's buffer as a listing of names does. Each value may grow a buffer a few
// times only, so that a value that keeps growing cannot hold the listing up.
RegStatus ListValues(RegistryApi& api, RegHandle key, std::vector<NamedRegValue>* values) {
  values->clear();
  try {
    std::uint32_t nameCapacity = static_cast<std::uint32_t>(kMaxValueNameChars + 1);
    auto name = std::make_unique_for_overwrite<char[]>(nameCapacity);
    std::vector<std::uint8_t> data(kFirstReadBytes);
    int growths = 0;
    for (std::uint32_t index = 0;;) {
      std::uint32_t length = nameCapacity;
      std::uint32_t size = static_cast<std::uint32_t>(data.size());
      RegType type = kRegNone;
      const RegStatus status =
          api.EnumValue(key, index, name.get(), &length, &type, data.data(), &size);
      if (status == kErrorNoMoreItems) return kErrorSuccess;
      if (status == kErrorMoreData && ++growths <= kMaxReadAttempts) {
        if (size > data.size()) {
          data.resize(size);
          continue;
        }
        if (nameCapacity < kNameBufferLimit + 1) {
          nameCapacity = std::min(nameCapacity * 2, kNameBufferLimit + 1);
          name = std::make_unique_for_overwrite<char[]>(nameCapacity);
          continue;
        }
      }
      if (status != kErrorSuccess) return status;
      growths = 0;
      const auto end = data.begin() + std::min<std::size_t>(size, data.size());
      values->push_back({std::string(name.get(), std::min(length, nameCapacity - 1)),
                         RegValue{type, std::vector<std::uint8_t>(data.begin(), end)}});
      ++index;
    }
  } catch (const std::bad_alloc&) {
    values->clear();
    return kErrorOutOfMemory;
  }
}

RegStatus DeleteKeyTree(RegistryApi& api, RegHandle parent, const std::string& subKey) {
  RegKey key;
  RegStatus status = RegKey::Open(api, parent, subKey, kKeyAllAccess, &key);
  if (status != kErrorSuccess) return status;
  std::vector<std::string> children;
  status = ListSubKeyNames(api, key.get(), &children);
  if (status != kErrorSuccess) return status;
  for (const std::string& child : children) {
    status = DeleteKeyTree(api, key.get(), child);
    if (status != kErrorSuccess && status != kErrorFileNotFound) return status;
  }
  key.Close();
  return api.DeleteKey(parent, subKey);
}

std::string TextFromData(const std::vector<std::uint8_t>& data) {
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return std::string(data.begin(), end);
}

std::vector<std::uint8_t> DataFromText(const std::string& text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return data;
}

std::array<std::uint8_t, 4> DwordToBytes(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

std::uint32_t DwordFromBytes(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

}  // namespace quellon
