#pragma once
// The value texts of a profile: whole numbers, halves, on/off. Strict, so that what a profile
// says is what the page would show: no blanks inside, no plus sign, no exponent.

#include <optional>
#include <string>
#include <string_view>

namespace quellon::profile_values {

// "-12", "7": a whole number that fits in 32 bits.
std::optional<int> WholeNumber(std::string_view text);
// "-3.5", "-3", "-3.0" (a comma for the point as well): twice the value, as a half-step slider
// counts it.
std::optional<int> Halves(std::string_view text);
std::string FormatHalves(int halves);
// "on" or "off" in any letter case.
std::optional<bool> OnOff(std::string_view text);
inline std::string FormatOnOff(bool on) {
  return on ? "on" : "off";
}
// Digits only, as the window's number boxes take them, that fit in 32 bits.
std::optional<int> Digits(std::string_view text);

}  // namespace quellon::profile_values
