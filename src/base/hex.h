#pragma once
// Hexadecimal digits, as the registry files, class identifiers and scenario scripts write numbers.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quellon {

// The value of one hex digit in either case; -1 for any other character.
constexpr int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The number that 1 to 8 hex digits make; nothing for no digits, more than 8, or any other
// character among them.
[[nodiscard]] constexpr std::optional<std::uint32_t> ParseHex(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  return value;
}

}  // namespace quellon
