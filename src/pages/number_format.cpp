#include "pages/number_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

#include "pages/decimal_conversion.h"

namespace quellon {
namespace {

constexpr int64_t kExponentLimit = 1000000000;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

size_t SkipDigits(const std::string& t, size_t i) {
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
  return i;
}

}  // namespace

std::optional<int> ParseInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const size_t digits = i;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!std::isdigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t{2147483648}) return std::nullopt;
  }
  if (i == digits) return std::nullopt;
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::string FormatInteger(int value) {
  return std::to_string(value);
}

std::optional<double> ParseDecimal(const std::string& text, char separator) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  const std::string t = text.substr(begin, end - begin);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
  const size_t int_begin = i;
  i = SkipDigits(t, i);
  std::string digits = t.substr(int_begin, i - int_begin);
  int64_t exponent = 0;
  if (i < t.size() && t[i] == separator) {
    const size_t frac_begin = ++i;
    i = SkipDigits(t, i);
    if (i == frac_begin) return std::nullopt;
    digits += t.substr(frac_begin, i - frac_begin);
    exponent = -static_cast<int64_t>(i - frac_begin);
  }
  if (digits.empty()) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    bool below_one = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) below_one = t[i++] == '-';
    const size_t exp_begin = i;
    int64_t e = 0;
    // Any exponent beyond the limit makes the value zero or too large all the same.
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i)
      e = std::min<int64_t>(e * 10 + (t[i] - '0'), kExponentLimit);
    if (i == exp_begin) return std::nullopt;
    exponent += below_one ? -e : e;
  }
  if (i != t.size()) return std::nullopt;
  const std::optional<double> magnitude = DecimalToDouble(digits, exponent);
  if (!magnitude) return std::nullopt;
  return negative ? -*magnitude : *magnitude;
}

std::string FormatDecimal(double value, char separator) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  std::string s = ShortestFixed(std::fabs(value));
  if (value < 0) s.insert(0, 1, '-');  // zero has no sign
  for (char& ch : s)
    if (ch == '.') ch = separator;
  return s;
}

std::string FormatHalfStep(int position, char separator) {
  return FormatDecimal(position / 2.0, separator);
}

}  // namespace quellon
