#pragma once
// Windows-1252, the code page of every name and text the program stores, and the way the
// registry compares names in it.

#include <cstddef>
#include <optional>
#include <string_view>

namespace quellon {

// The Unicode character a Windows-1252 byte stands for. The five bytes the code page leaves
// unassigned map to the C1 control of the same number, as Windows' conversion does.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte for a Unicode character, if it has one.
std::optional<unsigned char> UnicodeToCp1252(char32_t ch);

// Registry names compare character by character in lower case, a shorter name sorting before a
// longer one that starts with it. Returns <0, 0 or >0.
int CompareRegNames(std::string_view a, std::string_view b);
inline bool RegNamesEqual(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareRegNames(a, b) == 0;
}

// A byte of a name in lower case: two names are equal to the registry exactly when their bytes
// fold alike, one by one.
unsigned char FoldRegByte(unsigned char byte);

// A hash of the folded name, made without a copy of it: names the registry takes as one hash
// alike, so that a hash table can index keys by the registry's equality.
std::size_t HashRegName(std::string_view name, std::size_t seed = 0);

}  // namespace quellon
