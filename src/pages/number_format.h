#pragma once
// Number texts of the value boxes: integers as plain decimals, half-step values in their shortest
// decimal form with the locale's decimal separator.

#include <optional>
#include <string>

namespace quellon {

// The range test of typed values: minimum <= value <= maximum, both ends included; an empty range
// (minimum > maximum) holds nothing.
inline bool IsWaardeInMinMax(int value, int minimum, int maximum) {
  return minimum <= value && value <= maximum;
}

// A signed decimal integer, leading blanks allowed; nothing when the text is not one or does not
// fit in 32 bits.
[[nodiscard]] std::optional<int> ParseInteger(const std::string& text);
std::string FormatInteger(int value);

// A decimal number with the given separator (optional sign, digits on at least one side of the
// separator, digits after it when it is there, optional exponent, blanks around it); nothing
// otherwise. "5." is not a number yet, so typing "5.5" key by key is never cut short.
[[nodiscard]] std::optional<double> ParseDecimal(const std::string& text, char separator);
// The shortest decimal form that reads back as the same number, without trailing zeros.
std::string FormatDecimal(double value, char separator);
// A half-step slider position as its value: position / 2.
std::string FormatHalfStep(int position, char separator);

}  // namespace quellon
