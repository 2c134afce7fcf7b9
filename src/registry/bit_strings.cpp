#include <cstdint>

#include "registry/registry_ops.h"

namespace quellon {

std::string IntToBinStr(int value) {
  const auto bits = static_cast<std::uint32_t>(value);
  std::string text(32, '0');
  for (int i = 0; i < 32; ++i) {
    if ((bits >> (31 - i)) & 1U) text[static_cast<std::size_t>(i)] = '1';
  }
  return text;
}

// Unsigned arithmetic wraps: bits beyond the 32nd fall away, and a leading '1' in a 32-character
// text gives a negative number.
int BinStrToInt(const std::string& bits) {
  std::uint32_t value = 0;
  for (const char c : bits) value = (value << 1) | (c == '1' ? 1U : 0U);
  return static_cast<int>(value);
}

}  // namespace quellon
