// The registry commands of the scenario language. They act on the script's own registry, which the
// program's faults never touch.

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "registry/faulty_registry.h"
#include "registry/reg_file.h"
#include "registry/registry_api.h"
#include "scenario/runner.h"

namespace quellon::scenario {
namespace {

struct KeyPath {
  RegHandle root;
  std::string path;
  std::string shown;  // as the dump prints it
};

KeyPath ParseKey(const std::string& key) {
  static const std::string kHkcu = "HKCU\\";
  if (key.rfind(kHkcu, 0) == 0) return {kHkeyCurrentUser, key.substr(kHkcu.size()), key};
  return {kHkeyLocalMachine, key, key};
}

const std::string& Arg(const Command& c, size_t i) {
  if (i >= c.tokens.size()) throw UsageError("'reg " + c.tokens[1] + "' needs more arguments");
  return c.tokens[i];
}

void Check(RegStatus status, const std::string& what) {
  if (status != kErrorSuccess)
    throw UsageError(what + " failed with error " + std::to_string(status));
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
    char* end = nullptr;
    const std::string pair = hex.substr(i, 2);
    const long v = std::strtol(pair.c_str(), &end, 16);
    if (*end != '\0') throw UsageError("bad hex bytes: " + hex);
    bytes.push_back(static_cast<uint8_t>(v));
  }
  return bytes;
}

void SetValue(RegistryApi& api, const Command& c) {
  RegKey key = CreateKey(api, Arg(c, 2));
  const std::string& name = Arg(c, 3);
  const std::string& type = Arg(c, 4);
  const std::string& data = Arg(c, 5);
  std::vector<uint8_t> bytes;
  RegType reg_type = kRegNone;
  if (type == "dword") {
    char* end = nullptr;
    const long long v = std::strtoll(data.c_str(), &end, 0);
    if (data.empty() || *end != '\0') throw UsageError("not a number: " + data);
    const uint32_t u = static_cast<uint32_t>(v);
    bytes = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
             static_cast<uint8_t>(u >> 24)};
    reg_type = kRegDword;
  } else if (type == "sz" || type == "expand") {
    bytes.assign(data.begin(), data.end());
    bytes.push_back(0);
    reg_type = type == "sz" ? kRegSz : kRegExpandSz;
  } else if (type.rfind("hex:", 0) == 0) {
    reg_type = static_cast<RegType>(std::strtoul(type.c_str() + 4, nullptr, 0));
    bytes = HexBytes(data);
  } else {
    throw UsageError("unknown value type " + type);
  }
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
  RegType type = 0;
  uint32_t size = 0;
  if (api.QueryValue(key, name, &type, nullptr, &size) != kErrorSuccess) return "missing";
  std::vector<uint8_t> data(size);
  if (api.QueryValue(key, name, &type, data.data(), &size) != kErrorSuccess) return "missing";
  data.resize(size);
  if (type == kRegDword && size == 4) {
    const int32_t v = static_cast<int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                           static_cast<uint32_t>(data[3]) << 24);
    return "dword " + std::to_string(v);
  }
  if ((type == kRegSz || type == kRegExpandSz) && !data.empty() && data.back() == 0) {
    const std::string text(data.begin(), data.end() - 1);
    if (text.find('\0') == std::string::npos)
      return (type == kRegSz ? "sz " : "expand ") + Quote(text);
  }
  return "hex:" + std::to_string(type) + " " + Hex(data);
}

void GetValue(RegistryApi& api, const Command& c, std::ostream& out) {
  const KeyPath k = ParseKey(Arg(c, 2));
  const std::string& name = Arg(c, 3);
  RegKey key;
  std::string shown = "missing";
  if (RegKey::Open(api, k.root, k.path, kKeyAllAccess, &key) == kErrorSuccess)
    shown = DescribeValue(api, key.get(), name);
  out << Quote(name) << " = " << shown << "\n";
}

std::vector<std::string> Names(RegistryApi& api, RegHandle key, bool subkeys) {
  std::vector<std::string> names;
  for (uint32_t i = 0;; ++i) {
    std::vector<char> buf(256);
    RegStatus s;
    for (;;) {
      uint32_t len = static_cast<uint32_t>(buf.size());
      s = subkeys ? api.EnumKey(key, i, buf.data(), &len) : api.EnumValue(key, i, buf.data(), &len);
      if (s != kErrorMoreData) {
        if (s == kErrorSuccess) names.emplace_back(buf.data(), len);
        break;
      }
      buf.resize(buf.size() * 4);
    }
    if (s != kErrorSuccess) break;
  }
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

void DeleteTree(RegistryApi& api, RegHandle parent, const std::string& path) {
  {
    RegKey key;
    if (RegKey::Open(api, parent, path, kKeyAllAccess, &key) != kErrorSuccess) return;
    for (const std::string& sub : Names(api, key.get(), true)) DeleteTree(api, key.get(), sub);
  }
  api.DeleteKey(parent, path);
}

}  // namespace

void RunRegCommand(Driver& driver, const Command& c, std::ostream& out,
                   const std::string& base_dir) {
  RegistryApi& api = driver.ScriptRegistry();
  const std::string& sub = Arg(c, 1);
  if (sub == "set") {
    SetValue(api, c);
  } else if (sub == "get") {
    GetValue(api, c, out);
  } else if (sub == "mkkey") {
    CreateKey(api, Arg(c, 2));
  } else if (sub == "delkey") {
    const KeyPath k = ParseKey(Arg(c, 2));
    DeleteTree(api, k.root, k.path);
  } else if (sub == "delete") {
    const KeyPath k = ParseKey(Arg(c, 2));
    RegKey key;
    if (RegKey::Open(api, k.root, k.path, kKeyAllAccess, &key) == kErrorSuccess)
      api.DeleteValue(key.get(), Arg(c, 3));
  } else if (sub == "dump") {
    const KeyPath k = ParseKey(Arg(c, 2));
    RegKey key;
    if (RegKey::Open(api, k.root, k.path, kKeyAllAccess, &key) == kErrorSuccess)
      Dump(api, key.get(), k.shown, out);
    else
      out << "[" << k.shown << "] missing\n";
  } else if (sub == "import") {
    const std::string& file = Arg(c, 2);
    std::ifstream in(file.front() == '/' ? file : base_dir + "/" + file, std::ios::binary);
    if (!in) throw UsageError("cannot read " + file);
    std::stringstream text;
    text << in.rdbuf();
    try {
      ApplyRegFile(api, text.str());
    } catch (const std::exception& e) {
      throw UsageError(file + ": " + e.what());
    }
  } else if (sub == "fail") {
    driver.ProgramFaults().FailWritesOf(Arg(c, 2), kErrorAccessDenied);
  } else if (sub == "fail-nth") {
    driver.ProgramFaults().FailNthWrite(std::atoi(Arg(c, 2).c_str()), kErrorAccessDenied);
  } else if (sub == "deny") {
    const KeyPath k = ParseKey(Arg(c, 2));
    driver.ProgramFaults().FailOpenOf(k.root, k.path, kErrorAccessDenied);
  } else {
    throw UsageError("unknown command 'reg " + sub + "'");
  }
}

}  // namespace quellon::scenario
