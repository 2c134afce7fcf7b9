#include "registry/cp1252.h"

#include <algorithm>
#include <array>

namespace quellon {
namespace {

// 0x80 to 0x9F; every other byte is the Unicode character of the same number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Lower case of the characters Windows-1252 can hold.
constexpr char32_t ToLower(char32_t ch) {
  if (ch >= U'A' && ch <= U'Z') return ch + 0x20;
  if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return ch + 0x20;
  switch (ch) {
    case 0x0160:
    case 0x0152:
    case 0x017D:
      return ch + 1;
    case 0x0178:
      return 0x00FF;
    default:
      return ch;
  }
}

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> UnicodeToCp1252(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<unsigned char>(ch);
  const auto* it = std::find(kHighControls.begin(), kHighControls.end(), ch);
  if (it == kHighControls.end()) return std::nullopt;
  return static_cast<unsigned char>(0x80 + (it - kHighControls.begin()));
}

namespace {

// The lower case of every byte, made once: key paths that share a long beginning compare many
// bytes, and a backup compares thousands of them.
constexpr std::array<char32_t, 256> kLowered = [] {
  std::array<char32_t, 256> lowered{};
  for (int byte = 0; byte < 256; ++byte)
    lowered[byte] = ToLower(byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80]
                                                         : static_cast<char32_t>(byte));
  return lowered;
}();

// The byte of each lower-case character above: every one of them is in the code page.
constexpr std::array<unsigned char, 256> kFolded = [] {
  std::array<unsigned char, 256> folded{};
  for (int byte = 0; byte < 256; ++byte) {
    const char32_t lower = kLowered[byte];
    folded[byte] = static_cast<unsigned char>(lower);
    for (int high = 0; high < 32; ++high)
      if (kHighControls[high] == lower) folded[byte] = static_cast<unsigned char>(0x80 + high);
  }
  return folded;
}();

}  // namespace

unsigned char FoldRegByte(unsigned char byte) {
  return kFolded[byte];
}

std::size_t HashRegName(std::string_view name, std::size_t seed) {
  // FNV-1a over the folded bytes.
  std::size_t hash = seed ^ static_cast<std::size_t>(14695981039346656037ull);
  for (const char c : name) {
    hash ^= kFolded[static_cast<unsigned char>(c)];
    hash *= static_cast<std::size_t>(1099511628211ull);
  }
  return hash;
}

int CompareRegNames(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (a[i] == b[i]) continue;
    const char32_t ca = kLowered[static_cast<unsigned char>(a[i])];
    const char32_t cb = kLowered[static_cast<unsigned char>(b[i])];
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace quellon
