#include <cctype>
#include <cstdint>
#include <vector>

#include "base/hex.h"
#include "registry/cp1252.h"
#include "registry/reg_file.h"
#include "registry/reg_file_text.h"
#include "registry/registry_util.h"

namespace quellon {
namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";

using Action = RegFileOperation;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && RegNamesEqual(text.substr(0, prefix.size()), prefix);
}

// Reads 1 to `maxDigits` hex digits from the front of `text`.
bool TakeHex(std::string_view* text, std::size_t maxDigits, std::uint32_t* value) {
  std::size_t digits = 0;
  while (digits < text->size() && HexDigit((*text)[digits]) >= 0) ++digits;
  const auto parsed = digits <= maxDigits ? ParseHex(text->substr(0, digits)) : std::nullopt;
  if (!parsed) return false;
  *value = *parsed;
  text->remove_prefix(digits);
  return true;
}

class Parser {
 public:
  explicit Parser(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  std::vector<Action> Parse() {
    SkipToHeader();
    for (++next_; next_ < lines_.size(); ++next_) ParseLine();
    return std::move(actions_);
  }

 private:
  [[noreturn]] void Fail(const std::string& problem) const {
    throw RegFileError(next_ + 1, problem);
  }

  void SkipToHeader() {
    while (next_ < lines_.size() && TrimRight(lines_[next_]).empty()) ++next_;
    if (next_ == lines_.size()) Fail("the file is empty");
    const std::string_view header = TrimRight(lines_[next_]);
    if (header != kHeader4 && header != kHeader5) {
      Fail("the file does not start with \"REGEDIT4\" or \"Windows Registry Editor Version 5.00\"");
    }
    unicode_ = header == kHeader5;
  }

  void ParseLine() {
    const std::string_view line = TrimLeft(TrimRight(lines_[next_]));
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') return ParseKey(line);
    if (line.front() == '"' || line.front() == '@') return ParseValue(line);
    Fail("expected a [key] line or a value line");
  }

  void ParseKey(std::string_view line) {
    if (line.back() != ']') Fail("a key line must end with ']'");
    std::string_view path = line.substr(1, line.size() - 2);
    const bool remove = !path.empty() && path.front() == '-';
    if (remove) path.remove_prefix(1);
    Action action;
    action.kind = remove ? Action::Kind::kDeleteKey : Action::Kind::kCreateKey;
    action.line = next_ + 1;
    SplitRoot(path, &action);
    haveKey_ = !remove;
    key_ = action;
    actions_.push_back(std::move(action));
  }

  void SplitRoot(std::string_view path, Action* action) const {
    const std::string_view root = path.substr(0, path.find('\\'));
    if (RegNamesEqual(root, "HKEY_LOCAL_MACHINE")) {
      action->root = kHkeyLocalMachine;
    } else if (RegNamesEqual(root, "HKEY_CURRENT_USER")) {
      action->root = kHkeyCurrentUser;
    } else {
      Fail("the key must start with HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER");
    }
    if (root.size() < path.size()) action->key = path.substr(root.size() + 1);
  }

  void ParseValue(std::string_view line) {
    if (!haveKey_) Fail("a value line outside of a [key] section");
    Action action = key_;
    action.line = next_ + 1;
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else {
      action.name = TakeQuoted(&line);
    }
    line = TrimLeft(line);
    if (line.empty() || line.front() != '=') Fail("expected '=' after the value name");
    line = TrimLeft(line.substr(1));
    ParseData(line, &action);
    actions_.push_back(std::move(action));
  }

  // A double-quoted text in which \\ stands for a backslash and \" for a quote.
  std::string TakeQuoted(std::string_view* text) const {
    std::string out;
    for (std::size_t i = 1; i < text->size(); ++i) {
      const char c = (*text)[i];
      if (c == '"') {
        text->remove_prefix(i + 1);
        return out;
      }
      if (c == '\\') {
        if (++i == text->size()) break;
        if ((*text)[i] != '\\' && (*text)[i] != '"')
          Fail("only \\\\ and \\\" may follow a backslash");
      }
      out.push_back((*text)[i]);
    }
    Fail("a quoted text is not closed");
  }

  void ParseData(std::string_view data, Action* action) {
    action->kind = Action::Kind::kSetValue;
    if (data == "-") {
      action->kind = Action::Kind::kDeleteValue;
    } else if (!data.empty() && data.front() == '"') {
      action->type = kRegSz;
      action->data = DataFromText(TakeQuoted(&data));
      if (!TrimLeft(data).empty()) Fail("unexpected text after the closing quote");
    } else if (StartsWithNoCase(data, "dword:")) {
      data.remove_prefix(6);
      std::uint32_t value = 0;
      if (!TakeHex(&data, 8, &value) || !data.empty()) Fail("dword: needs 1 to 8 hex digits");
      const auto bytes = DwordToBytes(value);
      action->type = kRegDword;
      action->data.assign(bytes.begin(), bytes.end());
    } else if (StartsWithNoCase(data, "hex")) {
      ParseHex(data.substr(3), action);
    } else {
      Fail("unknown value data; expected \"text\", dword:, hex:, hex(n): or -");
    }
  }

  void ParseHex(std::string_view data, Action* action) {
    action->type = kRegBinary;
    if (!data.empty() && data.front() == '(') {
      data.remove_prefix(1);
      if (!TakeHex(&data, 8, &action->type) || data.empty() || data.front() != ')') {
        Fail("hex(n): needs the type as 1 to 8 hex digits");
      }
      data.remove_prefix(1);
    }
    if (data.empty() || data.front() != ':') Fail("expected ':' after hex");
    ParseBytes(data.substr(1), &action->data);
    if (unicode_ && IsStringType(action->type)) {
      action->data = regfile::Utf16ToCp1252(action->data, action->line);
    }
  }

  // Comma-separated bytes; a line ending in a backslash continues on the next one.
  void ParseBytes(std::string_view data, std::vector<std::uint8_t>* out) {
    for (;;) {
      data = TrimLeft(data);
      if (data == "\\") {
        if (next_ + 1 == lines_.size()) Fail("the file ends inside a continued line");
        data = TrimRight(lines_[++next_]);
        continue;
      }
      if (data.empty()) return;
      std::uint32_t byte = 0;
      if (!TakeHex(&data, 2, &byte)) Fail("expected a byte as 1 or 2 hex digits");
      out->push_back(static_cast<std::uint8_t>(byte));
      data = TrimLeft(data);
      if (data.empty()) return;
      if (data.front() != ',') Fail("expected ',' between bytes");
      data.remove_prefix(1);
    }
  }

  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  bool unicode_ = false;
  bool haveKey_ = false;
  Action key_;
  std::vector<Action> actions_;
};

[[noreturn]] void Refused(const Action& action, const std::string& what, RegStatus status) {
  throw RegistryError(status, "line " + std::to_string(action.line) + ": " + what +
                                  " failed with error " + std::to_string(static_cast<int>(status)));
}

// A value operation goes to the key of the section it stands in, and only there.
bool InSection(const Action& value, const Action* section) {
  return section && section->root == value.root && RegNamesEqual(section->key, value.key);
}

}  // namespace

void ApplyRegFile(RegistryApi& api, const std::vector<RegFileOperation>& operations) {
  RegKey current;
  const Action* section = nullptr;
  for (const Action& action : operations) {
    if (action.is_value() && !InSection(action, section)) {
      throw RegistryError(kErrorInvalidParameter, "line " + std::to_string(action.line) +
                                                      ": a value outside of its key's section");
    }
    RegStatus status = kErrorSuccess;
    switch (action.kind) {
      case Action::Kind::kCreateKey:
        section = nullptr;
        status = RegKey::Create(api, action.root, action.key, kKeyAllAccess, &current);
        if (status != kErrorSuccess) Refused(action, "creating key '" + action.key + "'", status);
        section = &action;
        break;
      case Action::Kind::kDeleteKey:
        section = nullptr;
        current.Close();
        status = DeleteKeyTree(api, action.root, action.key);
        if (status != kErrorSuccess && status != kErrorFileNotFound) {
          Refused(action, "deleting key '" + action.key + "'", status);
        }
        break;
      case Action::Kind::kSetValue:
        status = api.SetValue(current.get(), action.name, action.type, action.data.data(),
                              static_cast<std::uint32_t>(action.data.size()));
        if (status != kErrorSuccess) Refused(action, "setting '" + action.name + "'", status);
        break;
      case Action::Kind::kDeleteValue:
        status = api.DeleteValue(current.get(), action.name);
        if (status != kErrorSuccess && status != kErrorFileNotFound) {
          Refused(action, "deleting '" + action.name + "'", status);
        }
        break;
    }
  }
}

RegFileError::RegFileError(std::size_t line, const std::string& problem)
    : RegistryError(kErrorInvalidData, "line " + std::to_string(line) + ": " + problem),
      line_(line) {}

std::vector<RegFileOperation> ParseRegFile(std::string_view contents) {
  return Parser(regfile::DecodeLines(contents)).Parse();
}

void ApplyRegFile(RegistryApi& api, std::string_view contents) {
  ApplyRegFile(api, ParseRegFile(contents));
}

}  // namespace quellon
