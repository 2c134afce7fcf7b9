#include <algorithm>
#include <cstdio>
#include <vector>

#include "registry/reg_file.h"
#include "registry/reg_file_text.h"
#include "registry/registry_util.h"

namespace quellon {
namespace {

constexpr const char* kLineEnd = "\r\n";
// The registry editor breaks hex data once a line reaches this column, so that no line, with its
// closing backslash, is longer than 80 characters; broken lines go on after two blanks.
constexpr std::size_t kWrapColumn = 77;

bool HasLineBreak(const std::string& text) {
  return !RegFileCanCarry(text);
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
bool FitsQuotedForm(const RegFileOperation& value) {
  if (value.type != kRegSz || value.data.empty() || value.data.back() != 0) return false;
  return std::none_of(value.data.begin(), value.data.end() - 1,
                      [](std::uint8_t b) { return b == 0 || b == '\r' || b == '\n'; });
}

std::string HexForm(const std::string& prefix, RegType type,
                    const std::vector<std::uint8_t>& data) {
  std::string out = prefix;
  if (type == kRegBinary) {
    out += "hex:";
  } else {
    char name[24];
    std::snprintf(name, sizeof name, "hex(%x):", static_cast<unsigned>(type));
    out += name;
  }
  std::size_t column = out.size();
  for (std::size_t i = 0; i < data.size(); ++i) {
    constexpr const char* kDigits = "0123456789abcdef";
    out += kDigits[data[i] >> 4];
    out += kDigits[data[i] & 0xF];
    if (i + 1 == data.size()) break;
    out += ',';
    column += 3;
    if (column >= kWrapColumn) {
      out += "\\";
      out += kLineEnd;
      out += "  ";
      column = 2;
    }
  }
  return out;
}

// Builds the file as Windows-1252 text; a Unicode file is encoded as UTF-16 at the end, with its
// string data in hex form as UTF-16 already.
class Writer {
 public:
  explicit Writer(RegFileEncoding encoding) : unicode_(encoding == RegFileEncoding::kUnicode) {
    text_ = unicode_ ? "Windows Registry Editor Version 5.00" : "REGEDIT4";
    text_ += kLineEnd;
  }

  void Comment(const std::string& text) { text_ += "; " + OneLine(text) + kLineEnd; }

  void Add(const RegFileOperation& op) {
    if (!op.is_value()) {
      Section(op, op.kind == RegFileOperation::Kind::kDeleteKey);
      return;
    }
    if (!section_ || section_->root != op.root || section_->key != op.key) Section(op, false);
    text_ += ValueLine(op) + kLineEnd;
  }

  std::string Finish() {
    text_ += kLineEnd;
    return unicode_ ? "\xFF\xFE" + regfile::EncodeUtf16(text_) : text_;
  }

 private:
  void Section(const RegFileOperation& op, bool deleted) {
    const std::string name = RegFileKeyName(op.root, op.key);
    if (HasLineBreak(name))
      throw RegistryError(kErrorInvalidData, "The key name '" + name + "' holds a line break");
    text_ += kLineEnd;
    text_ += (deleted ? "[-" : "[") + name + "]" + kLineEnd;
    section_ = deleted ? nullptr : &op;
  }

  std::string ValueLine(const RegFileOperation& op) const {
    if (HasLineBreak(op.name)) {
      throw RegistryError(kErrorInvalidData, "The value name '" + op.name + "' holds a line break");
    }
    const std::string prefix = (op.name.empty() ? std::string("@") : Quoted(op.name)) + "=";
    if (op.kind == RegFileOperation::Kind::kDeleteValue) return prefix + "-";
    if (FitsQuotedForm(op)) return prefix + Quoted(TextFromData(op.data));
    if (op.type == kRegDword && op.data.size() == 4) {
      char digits[16];
      std::snprintf(digits, sizeof digits, "dword:%08x",
                    static_cast<unsigned>(DwordFromBytes(op.data.data())));
      return prefix + digits;
    }
    if (unicode_ && IsStringType(op.type)) {
      return HexForm(prefix, op.type, regfile::Cp1252ToUtf16(op.data));
    }
    return HexForm(prefix, op.type, op.data);
  }

  bool unicode_;
  std::string text_;
  const RegFileOperation* section_ = nullptr;
};

[[noreturn]] void CannotRead(const std::string& path, RegStatus status) {
  throw RegistryError(status, "Cannot read key '" + path + "' (error " +
                                  std::to_string(static_cast<int>(status)) + ")");
}

void CollectKey(RegistryApi& api, RegHandle root, RegHandle parent, const std::string& subKey,
                const std::string& path, std::vector<RegFileOperation>* out) {
  RegKey key;
  RegStatus status = RegKey::Open(api, parent, subKey, kKeyRead, &key);
  const std::string shown = RegFileKeyName(root, path);
  if (status != kErrorSuccess) CannotRead(shown, status);
  RegFileOperation section;
  section.root = root;
  section.key = path;
  out->push_back(section);
  std::vector<std::string> names;
  if ((status = ListValueNames(api, key.get(), &names)) != kErrorSuccess) CannotRead(shown, status);
  for (const std::string& name : names) {
    RegValue value;
    if ((status = ReadValue(api, key.get(), name, &value)) != kErrorSuccess) {
      CannotRead(shown + "\\" + name, status);
    }
    RegFileOperation set = section;
    set.kind = RegFileOperation::Kind::kSetValue;
    set.name = name;
    set.type = value.type;
    set.data = std::move(value.data);
    out->push_back(std::move(set));
  }
  if ((status = ListSubKeyNames(api, key.get(), &names)) != kErrorSuccess)
    CannotRead(shown, status);
  for (const std::string& child : names) {
    CollectKey(api, root, key.get(), child, path.empty() ? child : path + "\\" + child, out);
  }
}

}  // namespace

std::string RegFileKeyName(RegHandle root, const std::string& key) {
  std::string name;
  if (root == kHkeyLocalMachine) {
    name = "HKEY_LOCAL_MACHINE";
  } else if (root == kHkeyCurrentUser) {
    name = "HKEY_CURRENT_USER";
  } else {
    throw RegistryError(kErrorInvalidParameter,
                        "Only HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER can be written out");
  }
  return key.empty() ? name : name + "\\" + key;
}

bool RegFileCanCarry(std::string_view name) {
  return name.find_first_of("\r\n") == std::string_view::npos;
}

std::string OneLine(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string FormatRegFile(const std::vector<RegFileOperation>& operations, RegFileEncoding encoding,
                          const std::vector<std::string>& comments) {
  Writer writer(encoding);
  for (const std::string& comment : comments) writer.Comment(comment);
  for (const RegFileOperation& op : operations) writer.Add(op);
  return writer.Finish();
}

std::string DumpRegFile(RegistryApi& api, RegHandle root, const std::string& path) {
  RegFileKeyName(root, path);  // refuses other roots before anything is read
  std::vector<RegFileOperation> operations;
  CollectKey(api, root, root, path, path, &operations);
  return FormatRegFile(operations, RegFileEncoding::kRegedit4);
}

}  // namespace quellon
