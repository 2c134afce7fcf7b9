#include <algorithm>
#include <cstdio>
#include <vector>

#include "registry/reg_file.h"
#include "registry/registry_util.h"

namespace quellon {
namespace {

constexpr const char* kLineEnd = "\r\n";
// Hex data wraps before this column, with a backslash at the end of each broken line.
constexpr std::size_t kWrapColumn = 77;

bool HasLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  return out + "\"";
}

// Data that reads back unchanged from the "text" form: one terminating zero, no other, and no
// line break inside.
bool FitsQuotedForm(const RegValue& value) {
  if (value.type != kRegSz || value.data.empty() || value.data.back() != 0) return false;
  return std::none_of(value.data.begin(), value.data.end() - 1,
                      [](std::uint8_t b) { return b == 0 || b == '\r' || b == '\n'; });
}

std::string HexForm(const std::string& prefix, const RegValue& value) {
  std::string out = prefix;
  if (value.type == kRegBinary) {
    out += "hex:";
  } else {
    char type[24];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<unsigned>(value.type));
    out += type;
  }
  std::size_t column = out.size();
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    constexpr const char* kDigits = "0123456789abcdef";
    out += kDigits[value.data[i] >> 4];
    out += kDigits[value.data[i] & 0xF];
    column += 2;
    if (i + 1 == value.data.size()) break;
    out += ',';
    ++column;
    if (column + 3 > kWrapColumn) {
      out += "\\";
      out += kLineEnd;
      out += "  ";
      column = 2;
    }
  }
  return out;
}

std::string ValueLine(const std::string& name, const RegValue& value) {
  if (HasLineBreak(name)) {
    throw RegistryError(kErrorInvalidData, "The value name '" + name + "' holds a line break");
  }
  const std::string prefix = (name.empty() ? std::string("@") : Quoted(name)) + "=";
  if (FitsQuotedForm(value)) {
    return prefix + Quoted(TextFromData(value.data));
  }
  if (value.type == kRegDword && value.data.size() == 4) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "dword:%08x",
                  static_cast<unsigned>(DwordFromBytes(value.data.data())));
    return prefix + digits;
  }
  return HexForm(prefix, value);
}

[[noreturn]] void CannotRead(const std::string& path, RegStatus status) {
  throw RegistryError(status, "Cannot read key '" + path + "' (error " +
                                  std::to_string(static_cast<int>(status)) + ")");
}

void DumpKey(RegistryApi& api, RegHandle parent, const std::string& subKey,
             const std::string& fullPath, std::string* out) {
  if (HasLineBreak(fullPath))
    throw RegistryError(kErrorInvalidData, "The key name '" + fullPath + "' holds a line break");
  RegKey key;
  RegStatus status = RegKey::Open(api, parent, subKey, kKeyRead, &key);
  if (status != kErrorSuccess) CannotRead(fullPath, status);
  *out += kLineEnd;
  *out += "[" + fullPath + "]" + kLineEnd;
  std::vector<std::string> names;
  if ((status = ListValueNames(api, key.get(), &names)) != kErrorSuccess)
    CannotRead(fullPath, status);
  for (const std::string& name : names) {
    RegValue value;
    if ((status = ReadValue(api, key.get(), name, &value)) != kErrorSuccess) {
      CannotRead(fullPath + "\\" + name, status);
    }
    *out += ValueLine(name, value) + kLineEnd;
  }
  if ((status = ListSubKeyNames(api, key.get(), &names)) != kErrorSuccess)
    CannotRead(fullPath, status);
  for (const std::string& child : names) {
    DumpKey(api, key.get(), child, fullPath + "\\" + child, out);
  }
}

}  // namespace

std::string DumpRegFile(RegistryApi& api, RegHandle root, const std::string& path) {
  std::string rootName;
  if (root == kHkeyLocalMachine) {
    rootName = "HKEY_LOCAL_MACHINE";
  } else if (root == kHkeyCurrentUser) {
    rootName = "HKEY_CURRENT_USER";
  } else {
    throw RegistryError(kErrorInvalidParameter,
                        "Only HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER can be written out");
  }
  std::string out = std::string("REGEDIT4") + kLineEnd;
  DumpKey(api, root, path, path.empty() ? rootName : rootName + "\\" + path, &out);
  return out;
}

}  // namespace quellon
