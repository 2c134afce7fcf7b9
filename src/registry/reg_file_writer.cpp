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

bool HasLineBreak(std::string_view text) {
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
bool FitsQuotedForm(RegType type, const std::vector<std::uint8_t>& data) {
  if (type != kRegSz || data.empty() || data.back() != 0) return false;
  return std::none_of(data.begin(), data.end() - 1,
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

// The body is Windows-1252 text; a Unicode file is encoded as UTF-16 at the end, with its string
// data in hex form as UTF-16 already.
RegFileWriter::RegFileWriter(RegFileEncoding encoding, std::size_t size_hint)
    : unicode_(encoding == RegFileEncoding::kUnicode) {
  body_.reserve(size_hint);
}

void RegFileWriter::Section(RegHandle root, std::string_view key, bool deleted) {
  const std::string name = RegFileKeyName(root, key);
  if (HasLineBreak(name))
    throw RegistryError(kErrorInvalidData, "The key name '" + name + "' holds a line break");
  body_ += kLineEnd;
  body_ += deleted ? "[-" : "[";
  body_ += name;
  body_ += "]";
  body_ += kLineEnd;
}

// Starts the value's line, built in place: a backup writes tens of thousands of them.
std::size_t RegFileWriter::ValueStart(std::string_view name) {
  if (HasLineBreak(name)) {
    throw RegistryError(kErrorInvalidData,
                        "The value name '" + std::string(name) + "' holds a line break");
  }
  const std::size_t line_start = body_.size();
  if (name.empty()) {
    body_ += '@';
  } else {
    AppendQuoted(name, &body_);
  }
  body_ += '=';
  return line_start;
}

void RegFileWriter::DeleteValue(std::string_view name) {
  ValueStart(name);
  body_ += '-';
  body_ += kLineEnd;
}

void RegFileWriter::SetValue(std::string_view name, RegType type,
                             const std::vector<std::uint8_t>& data) {
  const std::size_t line_start = ValueStart(name);
  if (FitsQuotedForm(type, data)) {
    AppendQuoted(TextFromData(data), &body_);
  } else if (type == kRegDword && data.size() == 4) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "dword:%08x",
                  static_cast<unsigned>(DwordFromBytes(data.data())));
    body_ += digits;
  } else if (unicode_ && IsStringType(type)) {
    AppendHex(type, regfile::Cp1252ToUtf16(data), line_start, &body_);
  } else {
    AppendHex(type, data, line_start, &body_);
  }
  body_ += kLineEnd;
}

std::string RegFileWriter::Finish(const std::vector<std::string>& comments) {
  std::string head = unicode_ ? "Windows Registry Editor Version 5.00" : "REGEDIT4";
  head += kLineEnd;
  for (const std::string& comment : comments) {
    head += "; ";
    head += OneLine(comment);
    head += kLineEnd;
  }
  body_ += kLineEnd;
  if (!unicode_) return head + body_;
  std::string file;
  file.reserve(2 + 2 * (head.size() + body_.size()));
  file = "\xFF\xFE";
  regfile::AppendUtf16(head, &file);
  regfile::AppendUtf16(body_, &file);
  return file;
}

std::string RegFileKeyName(RegHandle root, std::string_view key) {
  std::string name;
  if (root == kHkeyLocalMachine) {
    name = "HKEY_LOCAL_MACHINE";
  } else if (root == kHkeyCurrentUser) {
    name = "HKEY_CURRENT_USER";
  } else {
    throw RegistryError(kErrorInvalidParameter,
                        "Only HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER can be written out");
  }
  if (!key.empty()) {
    name += '\\';
    name += key;
  }
  return name;
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
  RegFileWriter writer(encoding, ExpectedSize(operations, comments));
  const RegFileOperation* section = nullptr;  // the operation that opened the section
  for (const RegFileOperation& op : operations) {
    if (!op.is_value()) {
      const bool deleted = op.kind == RegFileOperation::Kind::kDeleteKey;
      writer.Section(op.root, op.key, deleted);
      section = deleted ? nullptr : &op;
      continue;
    }
    if (!section || section->root != op.root || section->key != op.key) {
      writer.Section(op.root, op.key);
      section = &op;
    }
    if (op.kind == RegFileOperation::Kind::kDeleteValue) {
      writer.DeleteValue(op.name);
    } else {
      writer.SetValue(op.name, op.type, op.data);
    }
  }
  return writer.Finish(comments);
}

std::string DumpRegFile(RegistryApi& api, RegHandle root, const std::string& path) {
  RegFileKeyName(root, path);  // refuses other roots before anything is read
  std::vector<RegFileOperation> operations;
  CollectKey(api, root, root, path, path, &operations);
  return FormatRegFile(operations, RegFileEncoding::kRegedit4);
}

}  // namespace quellon
