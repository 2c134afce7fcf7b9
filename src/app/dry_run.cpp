#include "app/dry_run.h"

#include <algorithm>

#include "registry/reg_file.h"

namespace quellon {
namespace {

constexpr const char* kUnreadable = "(unreadable)";

std::string Hex(unsigned value, int digits) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4)
    text[static_cast<std::size_t>(i)] = kDigits[value & 15];
  return text;
}

bool Printable(const std::string& text) {
  return std::ranges::none_of(text, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

std::string QuotedText(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// The value below: nothing when it or its key is missing; unreadable otherwise.
struct Before {
  std::optional<RegValue> value;
  bool unreadable = false;
};

Before ReadBelow(RegistryApi& below, const CapturingRegistry::Touched& t) {
  RegKey key;
  RegStatus status = RegKey::Open(below, t.root, t.key, kKeyRead, &key);
  RegValue value;
  if (status == kErrorSuccess) status = ReadValue(below, key.get(), t.name, &value);
  if (status == kErrorSuccess) return {value, false};
  return {std::nullopt, status != kErrorFileNotFound};
}

bool Same(const std::optional<RegValue>& a, const std::optional<RegValue>& b) {
  if (!a || !b) return !a && !b;
  return a->type == b->type && a->data == b->data;
}

}  // namespace

std::string ShownValue(const std::optional<RegValue>& value) {
  if (!value) return "(missing)";
  if (value->type == kRegDword && value->data.size() == 4)
    return "dword:" + Hex(DwordFromBytes(value->data.data()), 8);
  if (value->type == kRegSz || value->type == kRegExpandSz) {
    const std::string text = TextFromData(value->data);
    if (Printable(text)) return (value->type == kRegExpandSz ? "expand:" : "") + QuotedText(text);
  }
  int digits = 1;
  while (digits < 8 && value->type >> (4 * digits) != 0) ++digits;
  std::string shown = "hex(" + Hex(value->type, digits) + "):";
  for (std::size_t i = 0; i < value->data.size(); ++i)
    shown += (i ? "," : "") + Hex(value->data[i], 2);
  return shown;
}

std::vector<ValueChange> ChangesOf(const CapturingRegistry& view, RegistryApi& below) {
  std::vector<ValueChange> changes;
  for (const CapturingRegistry::Touched& t : view.touched()) {
    const Before before = ReadBelow(below, t);
    if (!before.unreadable && Same(before.value, t.now)) continue;
    changes.push_back({t.root, t.key, t.name,
                       before.unreadable ? kUnreadable : ShownValue(before.value),
                       ShownValue(t.now)});
  }
  return changes;
}

std::string ChangeLine(const ValueChange& change) {
  return RegFileKeyName(change.root, change.key) + " \"" + change.name + "\": " + change.before +
         " -> " + change.after;
}

}  // namespace quellon
