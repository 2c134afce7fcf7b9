#include <algorithm>
#include <cstdio>
#include <string_view>
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

void AppendQuoted(std::string_view text, std::string* out) {
  out->push_back('"');
  for (const char c : text) {
    if (c == '\\' || c == '"') out->push_back('\\');
    out->push_back(c);
  }
  out->push_back('"');
}

// Data that reads back unchanged from the "text" form: one terminating zero, no other, and no
// line break inside.
bool FitsQuotedForm(const RegFileOperation& value) {
  if (value.type != kRegSz || value.data.empty() || value.data.back() != 0) return false;
  return std::none_of(value.data.begin(), value.data.end() - 1,
                      [](std::uint8_t b) { return b == 0 || b == '\r' || b == '\n'; });
}

// Appends the data in hex form to the line that starts at `line_start` in `out`.
void AppendHex(RegType type, const std::vector<std::uint8_t>& data, std::size_t line_start,
               std::string* out) {
  if (type == kRegBinary) {
    *out += "hex:";
  } else {
    char name[24];
    std::snprintf(name, sizeof name, "hex(%x):", static_cast<unsigned>(type));
    *out += name;
  }
  std::size_t column = out->size() - line_start;
  for (std::size_t i = 0; i < data.size(); ++i) {
    constexpr const char* kDigits = "0123456789abcdef";
    *out += kDigits[data[i] >> 4];
    *out += kDigits[data[i] & 0xF];
    if (i + 1 == data.size()) break;
    *out += ',';
    column += 3;
    if (column >= kWrapColumn) {
      *out += "\\";
      *out += kLineEnd;
      *out += "  ";
      column = 2;
    }
  }
}

// Builds the file as Windows-1252 text; a Unicode file is encoded as UTF-16 at the end, with its
// string data in hex form as UTF-16 already.
class Writer {
 public:
  Writer(RegFileEncoding encoding, std::size_t size_hint)
      : unicode_(encoding == RegFileEncoding::kUnicode) {
    text_.reserve(size_hint);
    text_ = unicode_ ? "Windows Registry Editor Version 5.00" : "REGEDIT4";
    text_ += kLineEnd;
  }

  void Comment(const std::string& text) {
    text_ += "; ";
    text_ += OneLine(text);
    text_ += kLineEnd;
  }

  void Add(const RegFileOperation& op) {
    if (!op.is_value()) {
      Section(op, op.kind == RegFileOperation::Kind::kDeleteKey);
      return;
    }
    if (!section_ || section_->root != op.root || section_->key != op.key) Section(op, false);
    AppendValueLine(op);
    text_ += kLineEnd;
  }

  std::string Finish() {
    text_ += kLineEnd;
    return unicode_ ? regfile::EncodeUtf16(text_, "\xFF\xFE") : std::move(text_);
  }

 private:
  void Section(const RegFileOperation& op, bool deleted) {
    const std::string name = RegFileKeyName(op.root, op.key);
    if (HasLineBreak(name))
      throw RegistryError(kErrorInvalidData, "The key name '" + name + "' holds a line break");
    text_ += kLineEnd;
    text_ += deleted ? "[-" : "[";
    text_ += name;
    text_ += "]";
    text_ += kLineEnd;
    section_ = deleted ? nullptr : &op;
  }

  // The line is built in place: a backup writes tens of thousands of them.
  void AppendValueLine(const RegFileOperation& op) {
    if (HasLineBreak(op.name)) {
      throw RegistryError(kErrorInvalidData, "The value name '" + op.name + "' holds a line break");
    }
    const std::size_t line_start = text_.size();
    if (op.name.empty()) {
      text_ += '@';
    } else {
      AppendQuoted(op.name, &text_);
    }
    text_ += '=';
    if (op.kind == RegFileOperation::Kind::kDeleteValue) {
      text_ += '-';
    } else if (FitsQuotedForm(op)) {
      AppendQuoted(TextFromData(op.data), &text_);
    } else if (op.type == kRegDword && op.data.size() == 4) {
      char digits[16];
      std::snprintf(digits, sizeof digits, "dword:%08x",
                    static_cast<unsigned>(DwordFromBytes(op.data.data())));
      text_ += digits;
    } else if (unicode_ && IsStringType(op.type)) {
      AppendHex(op.type, regfile::Cp1252ToUtf16(op.data), line_start, &text_);
    } else {
      AppendHex(op.type, op.data, line_start, &text_);
    }
  }

  bool unicode_;
  std::string text_;
  const RegFileOperation* section_ = nullptr;
};

// About the size of the text, so that a large file is not copied as it grows.
std::size_t ExpectedSize(const std::vector<RegFileOperation>& operations,
                         const std::vector<std::string>& comments) {
  std::size_t size = 64;
  for (const std::string& comment : comments) size += comment.size() + 4;
  for (const RegFileOperation& op : operations) {
    size += op.is_value() ? op.name.size() + 3 * op.data.size() + 24 : op.key.size() + 32;
  }
  return size;
}

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
  Writer writer(encoding, ExpectedSize(operations, comments));
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
