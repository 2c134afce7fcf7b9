#include "registry/registry_util.h"

#include <algorithm>
#include <new>

namespace quellon {
namespace {

// A value or name that keeps growing between the size query and the read is given up on after
// this many tries; the caller sees kErrorMoreData.
constexpr int kMaxReadAttempts = 8;

// Longer than any name the registry accepts (value names hold at most 16383 characters).
constexpr std::uint32_t kNameBufferLimit = 32768;

using EnumCall = RegStatus (RegistryApi::*)(RegHandle, std::uint32_t, char*, std::uint32_t*);

std::uint32_t LongestName(RegistryApi& api, RegHandle key, bool subKeys) {
  RegKeyInfo info;
  if (api.QueryInfoKey(key, &info) != kErrorSuccess) return 0;
  return subKeys ? info.maxSubKeyLen : info.maxValueNameLen;
}

// Lists names by index from 0 until kErrorNoMoreItems, with a buffer sized from
// RegQueryInfoKeyA. A name that does not fit was added or renamed since; the buffer grows and the
// same index is tried again.
RegStatus ListNames(RegistryApi& api, RegHandle key, bool subKeys,
                    std::vector<std::string>* names) {
  names->clear();
  const EnumCall call = subKeys ? &RegistryApi::EnumKey : &RegistryApi::EnumValue;
  std::vector<char> buffer(std::min(LongestName(api, key, subKeys), kNameBufferLimit) + 1);
  for (std::uint32_t index = 0;;) {
    std::uint32_t length = static_cast<std::uint32_t>(buffer.size());
    const RegStatus status = (api.*call)(key, index, buffer.data(), &length);
    if (status == kErrorNoMoreItems) return kErrorSuccess;
    if (status == kErrorMoreData) {
      if (buffer.size() >= kNameBufferLimit + 1) return status;
      const std::uint32_t longest = LongestName(api, key, subKeys);
      const std::size_t grown = std::max<std::size_t>(longest + 1, buffer.size() * 2);
      buffer.resize(std::min<std::size_t>(grown, kNameBufferLimit + 1));
      continue;
    }
    if (status != kErrorSuccess) return status;
    names->emplace_back(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1));
    ++index;
  }
}

}  // namespace

RegStatus ReadValue(RegistryApi& api, RegHandle key, const std::string& name, RegValue* out) {
  try {
    for (int attempt = 0; attempt < kMaxReadAttempts; ++attempt) {
      std::uint32_t size = 0;
      RegStatus status = api.QueryValue(key, name, &out->type, nullptr, &size);
      if (status != kErrorSuccess) return status;
      out->data.assign(size, 0);
      if (size == 0) return kErrorSuccess;
      std::uint32_t got = size;
      status = api.QueryValue(key, name, &out->type, out->data.data(), &got);
      if (status == kErrorMoreData) continue;  // it grew since the size query
      if (status != kErrorSuccess) return status;
      out->data.resize(std::min(got, size));
      return kErrorSuccess;
    }
    return kErrorMoreData;
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
