#pragma once
// Exact conversions between doubles and decimal digits, done with integers only (no tables, no
// floating-point arithmetic that a 387 unit could round twice).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quellon {

// The shortest fixed-point form ("123.25", "0.001") that reads back as the same finite,
// non-negative value; among forms as short, the nearest, a tie going to the even last digit. A
// whole number is written with all its digits, exactly.
std::string ShortestFixed(double value);

// digits * 10^exponent rounded to the nearest double, a tie going to the even one. Nothing when
// the digits are not zero but the value rounds to zero or beyond the largest double.
std::optional<double> DecimalToDouble(std::string_view digits, int64_t exponent);

}  // namespace quellon
