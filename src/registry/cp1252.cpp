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
char32_t ToLower(char32_t ch) {
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

int CompareRegNames(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char32_t ca = ToLower(Cp1252ToUnicode(static_cast<unsigned char>(a[i])));
    const char32_t cb = ToLower(Cp1252ToUnicode(static_cast<unsigned char>(b[i])));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace quellon
