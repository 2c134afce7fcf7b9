#include "pages/number_format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace quellon {
namespace {

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
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
  const size_t int_begin = i;
  i = SkipDigits(t, i);
  bool has_digits = i > int_begin;
  if (i < t.size() && t[i] == separator) {
    const size_t frac_begin = ++i;
    i = SkipDigits(t, i);
    if (i == frac_begin) return std::nullopt;
    has_digits = true;
  }
  if (!has_digits) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    const size_t exp_begin = i;
    i = SkipDigits(t, i);
    if (i == exp_begin) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  std::string c_text = t;
  for (char& ch : c_text)
    if (ch == separator) ch = '.';
  if (!c_text.empty() && c_text[0] == '+') c_text.erase(0, 1);
  double value = 0;
  const auto [ptr, ec] = std::from_chars(c_text.data(), c_text.data() + c_text.size(), value);
  if (ec != std::errc() || ptr != c_text.data() + c_text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string FormatDecimal(double value, char separator) {
  if (value == 0) value = 0;  // no "-0"
  // The longest shortest fixed form of a double (the smallest subnormal) has some 330 characters;
  // a smaller buffer would need a fallback that pads with zeros or drops digits.
  char buf[512];
  const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  std::string s(buf, ec == std::errc() ? ptr : buf);
  for (char& ch : s)
    if (ch == '.') ch = separator;
  return s;
}

std::string FormatHalfStep(int position, char separator) {
  return FormatDecimal(position / 2.0, separator);
}

}  // namespace quellon
