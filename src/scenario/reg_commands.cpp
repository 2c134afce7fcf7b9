// The registry commands of the scenario language. They act on the script's own registry, which the
// program's faults never touch.

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "base/hex.h"
#include "registry/reg_file.h"
#include "registry/registry_api.h"
#include "registry/registry_util.h"
#include "scenario/runner.h"
#include "testing/faulty_registry.h"

namespace quellon::scenario {

// A key below the root, written with single backslashes between non-empty names: an empty path
// would name the root itself, and `reg delkey` would empty it.
KeyPath ParseKey(const std::string& key) {
  static const std::string kHkcu = "HKCU\\";
  const bool hkcu = key.rfind(kHkcu, 0) == 0;
  const std::string path = hkcu ? key.substr(kHkcu.size()) : key;
  if (path.empty() || path.front() == '\\' || path.back() == '\\' ||
      path.find("\\\\") != std::string::npos)
    throw UsageError("not a key below the root: " + key);
  return {hkcu ? kHkeyCurrentUser : kHkeyLocalMachine, path, key};
}

namespace {

// How many arguments each command takes after its name.
const std::map<std::string, size_t>& ArgumentCounts() {
  static const std::map<std::string, size_t> counts = {
      {"set", 4},  {"get", 2},    {"mkkey", 1}, {"delkey", 1},   {"delete", 2},
      {"dump", 1}, {"import", 1}, {"fail", 1},  {"fail-nth", 1}, {"deny", 1}};
  return counts;
}

void Check(RegStatus status, const std::string& what) {
  if (status != kErrorSuccess)
    throw UsageError(what + " failed with error " + std::to_string(static_cast<int>(status)));
}

RegKey CreateKey(RegistryApi& api, const std::string& key) {
  const KeyPath k = ParseKey(key);
  RegKey result;
  Check(RegKey::Create(api, k.root, k.path, kKeyAllAccess, &result), "creating " + key);
  return result;
}

std::vector<uint8_t> HexBytes(const std::string& hex) {
  if (hex.size() % 2) throw UsageError("odd number of hex digits: " + hex);
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    const auto byte = ParseHex(std::string_view(hex).substr(i, 2));
    if (!byte) throw UsageError("bad hex bytes: " + hex);
    bytes.push_back(static_cast<uint8_t>(*byte));
  }
  return bytes;
}

void SetValue(RegistryApi& api, const Command& c) {
  const std::string& name = c.tokens[3];
  const std::string& type = c.tokens[4];
  const std::string& data = c.tokens[5];
  std::vector<uint8_t> bytes;
  RegType reg_type = kRegNone;
  if (type == "dword") {
    // Negative numbers are stored in two's complement, so signed and unsigned texts both fit.
    const auto dword = DwordToBytes(static_cast<uint32_t>(Number(data, INT32_MIN, UINT32_MAX)));
    bytes.assign(dword.begin(), dword.end());
    reg_type = kRegDword;
  } else if (type == "sz" || type == "expand") {
    bytes.assign(data.begin(), data.end());
    bytes.push_back(0);
    reg_type = type == "sz" ? kRegSz : kRegExpandSz;
  } else if (type.rfind("hex:", 0) == 0) {
    reg_type = static_cast<RegType>(Number(type.substr(4), 0, UINT32_MAX));
    bytes = HexBytes(data);
  } else {
    throw UsageError("unknown value type " + type);
  }
  RegKey key = CreateKey(api, c.tokens[2]);
  Check(api.SetValue(key.get(), name, reg_type, bytes.data(), static_cast<uint32_t>(bytes.size())),
        "setting " + name);
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char* kDigits = "0123456789abcdef";
  std::string out;
  for (uint8_t b : bytes) {
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 15]);
  }
  return out;
}

// One value as 'reg get' prints it, after the name.
std::string DescribeValue(RegistryApi& api, RegHandle key, const std::string& name) {
  RegValue value;
  if (ReadValue(api, key, name, &value) != kErrorSuccess) return "missing";
  const std::vector<uint8_t>& data = value.data;
  if (value.type == kRegDword && data.size() == 4)
    return "dword " + std::to_string(static_cast<int32_t>(DwordFromBytes(data.data())));
  if ((value.type == kRegSz || value.type == kRegExpandSz) && !data.empty() && data.back() == 0) {
    const std::string text(data.begin(), data.end() - 1);
    if (text.find('\0') == std::string::npos)
      return (value.type == kRegSz ? "sz " : "expand ") + Quote(text);
  }
  return "hex:" + std::to_string(value.type) + " " + Hex(data);
}

void GetValue(RegistryApi& api, const Command& c, std::ostream& out) {
  const KeyPath k = ParseKey(c.tokens[2]);
  const std::string& name = c.tokens[3];
  RegKey key;
  std::string shown = "missing";
  if (RegKey::Open(api, k.root, k.path, kKeyAllAccess, &key) == kErrorSuccess)
    shown = DescribeValue(api, key.get(), name);
  out << Quote(name) << " = " << shown << "\n";
}

// The names listed before a listing fails: a dump shows what it could read.
std::vector<std::string> Names(RegistryApi& api, RegHandle key, bool subkeys) {
  std::vector<std::string> names;
  static_cast<void>(subkeys ? ListSubKeyNames(api, key, &names) : ListValueNames(api, key, &names));
  return names;
}

void Dump(RegistryApi& api, RegHandle key, const std::string& shown, std::ostream& out) {
  out << "[" << shown << "]\n";
  for (const std::string& name : Names(api, key, false))
    out << Quote(name) << " = " << DescribeValue(api, key, name) << "\n";
  for (const std::string& sub : Names(api, key, true)) {
    RegKey child;
    if (RegKey::Open(api, key, sub, kKeyAllAccess, &child) == kErrorSuccess)
      Dump(api, child.get(), shown + "\\" + sub, out);
  }
}

void ImportFile(RegistryApi& api, const std::string& file, const std::string& base_dir) {
  if (file.empty()) throw UsageError("'reg import' needs a file name");
  const std::string path = file.front() == '/' ? file : base_dir + "/" + file;
  std::error_code error;
  // Only a plain file: reading a directory fails late, reading a device may never end.
  if (!std::filesystem::is_regular_file(path, error)) throw UsageError("cannot read " + file);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("cannot read " + file);
  std::stringstream text;
  text << in.rdbuf();
  try {
    ApplyRegFile(api, text.str());
  } catch (const std::exception& e) {
    throw UsageError(file + ": " + e.what());
  }
}

}  // namespace

void RunRegCommand(Driver& driver, const Command& c, std::ostream& out,
                   const std::string& base_dir) {
  if (c.tokens.size() < 2) throw UsageError("'reg' needs a command");
  const std::string& sub = c.tokens[1];
  const auto count = ArgumentCounts().find(sub);
  if (count == ArgumentCounts().end()) throw UsageError("unknown command 'reg " + sub + "'");
  if (c.tokens.size() != 2 + count->second)
    throw UsageError("wrong number of arguments to 'reg " + sub + "'");
  RegistryApi& api = driver.ScriptRegistry();
  const std::string& arg = c.tokens[2];
  if (sub == "set") {
    SetValue(api, c);
  } else if (sub == "get") {
    GetValue(api, c, out);
  } else if (sub == "mkkey") {
    CreateKey(api, arg);
  } else if (sub == "delkey") {
    const KeyPath k = ParseKey(arg);
    // A key that is not there is deleted already.
    static_cast<void>(DeleteKeyTree(api, k.root, k.path));
  } else if (sub == "delete") {
    const KeyPath k = ParseKey(arg);
    RegKey key;
    // A value that is not there is deleted already.
    if (RegKey::Open(api, k.root, k.path, kKeyAllAccess, &key) == kErrorSuccess)
      static_cast<void>(api.DeleteValue(key.get(), c.tokens[3]));
  } else if (sub == "dump") {
    const KeyPath k = ParseKey(arg);
    RegKey key;
    if (RegKey::Open(api, k.root, k.path, kKeyAllAccess, &key) == kErrorSuccess)
      Dump(api, key.get(), k.shown, out);
    else
      out << "[" << k.shown << "] missing\n";
  } else if (sub == "import") {
    ImportFile(api, arg, base_dir);
  } else if (sub == "fail") {
    driver.ProgramFaults().FailWritesOf(arg, kErrorAccessDenied);
  } else if (sub == "fail-nth") {
    const auto n = static_cast<unsigned>(Number(arg, 1, UINT32_MAX));
    driver.ProgramFaults().FailNthWrite(n, kErrorAccessDenied);
  } else {  // deny
    const KeyPath k = ParseKey(arg);
    driver.ProgramFaults().FailOpenOf(k.root, k.path, kErrorAccessDenied);
  }
}

}  // namespace quellon::scenario
