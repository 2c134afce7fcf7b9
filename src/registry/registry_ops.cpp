#include "registry/registry_ops.h"

#include <vector>

#include "registry/cp1252.h"
#include "registry/registry_util.h"

namespace quellon {
namespace {

// Reads a REG_DWORD of exactly four bytes; anything else reads as missing.
std::optional<int> ReadIntValue(RegistryApi& api, const std::string& key, const std::string& name) {
  RegKey opened;
  if (RegKey::Open(api, kHkeyLocalMachine, key, kKeyAllAccess, &opened) != kErrorSuccess)
    return std::nullopt;
  RegType type = kRegNone;
  std::uint8_t bytes[4] = {};
  std::uint32_t size = sizeof bytes;
  if (api.QueryValue(opened.get(), name, &type, bytes, &size) != kErrorSuccess ||
      type != kRegDword || size != sizeof bytes) {
    return std::nullopt;
  }
  const int value = static_cast<int>(DwordFromBytes(bytes));
  if (value == RegValueMissing) return std::nullopt;
  return value;
}

std::optional<std::string> ReadStrValue(RegistryApi& api, const std::string& key,
                                        const std::string& name) {
  RegKey opened;
  if (RegKey::Open(api, kHkeyLocalMachine, key, kKeyAllAccess, &opened) != kErrorSuccess)
    return std::nullopt;
  RegValue value;
  if (ReadValue(api, opened.get(), name, &value) != kErrorSuccess) return "";
  // Other types have no text; the callers show what they get as a path, so give them none.
  if (value.type != kRegSz && value.type != kRegExpandSz) return "";
  return TextFromData(value.data);
}

void WriteValue(RegistryApi& api, RegHandle parent, const std::string& key, const std::string& name,
                RegType type, const std::vector<std::uint8_t>& data) {
  RegKey opened;
  RegStatus status = RegKey::Create(api, parent, key, kKeyAllAccess, &opened);
  if (status == kErrorSuccess) {
    status = api.SetValue(opened.get(), name, type, data.data(),
                          static_cast<std::uint32_t>(data.size()));
  }
  if (status != kErrorSuccess) throw FailedToSet(status, name);
}

}  // namespace

RegistryError FailedToSet(RegStatus status, const std::string& name) {
  return RegistryError(status, "Failed to set data for '" + name + "'");
}

RegistryError FailedToGet(RegStatus status, const std::string& name) {
  return RegistryError(status, "Failed to get data for '" + name + "'");
}

RegistryError InvalidDataType(const std::string& name) {
  return RegistryError(kErrorDatatypeMismatch, "Invalid data type for '" + name + "'");
}

void SetRegIntValue(RegistryApi& api, RegHandle parent, const std::string& key,
                    const std::string& name, int value) {
  const auto bytes = DwordToBytes(static_cast<std::uint32_t>(value));
  WriteValue(api, parent, key, name, kRegDword, {bytes.begin(), bytes.end()});
}

std::optional<int> RegistryOps::GetRegIntKeyHKLM(const std::string& key,
                                                 const std::string& name) const {
  return ReadIntValue(api_, key, name);
}

std::optional<std::string> RegistryOps::GetRegStrKeyHKLM(const std::string& key,
                                                         const std::string& name) const {
  return ReadStrValue(api_, key, name);
}

void RegistryOps::SetRegIntKeyHKLM(const std::string& key, const std::string& name,
                                   int value) const {
  SetRegIntValue(api_, kHkeyLocalMachine, key, name, value);
}

void RegistryOps::SetRegStrKeyHKLM(const std::string& key, const std::string& name,
                                   const std::string& text) const {
  WriteValue(api_, kHkeyLocalMachine, key, name, kRegSz, DataFromText(text));
}

void RegistryOps::DeleteRegKeyValueHKLM(const std::string& key, const std::string& name) const {
  RegKey opened;
  if (RegKey::Create(api_, kHkeyLocalMachine, key, kKeyAllAccess, &opened) != kErrorSuccess) return;
  // A value that is not there, or will not go, is no concern of the caller's.
  static_cast<void>(api_.DeleteValue(opened.get(), name));
}

}  // namespace quellon
