// The value boxes' decimal texts against the standard library's conversions, which the program
// formatted and parsed with before: the same text for every double, the same double (or none) for
// every text a user can type.

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "pages/number_format.h"

namespace quellon {
namespace {

std::string WithSeparator(std::string s, char from, char to) {
  for (char& c : s)
    if (c == from) c = to;
  return s;
}

// The former FormatDecimal: std::to_chars' shortest fixed form, zero without a sign.
std::string ToCharsFormat(double value, char separator) {
  if (value == 0) value = 0;
  char buf[512];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return WithSeparator(std::string(buf, ec == std::errc() ? end : buf), '.', separator);
}

// std::from_chars over a plain number ('.' separator, no '+', no blanks): nothing when out of
// range.
std::optional<double> FromChars(const std::string& number) {
  double value = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// The former ParseDecimal's syntax: blanks around an optional sign, digits on at least one side
// of the separator and after it when it is there, an optional exponent.
std::regex FormerSyntax(char separator) {
  const std::string s = separator == '.' ? "\\." : std::string(1, separator);
  return std::regex("[ \\t]*([-+]?)((\\d+(" + s + "\\d+)?|" + s + "\\d+)([eE][-+]?\\d+)?)[ \\t]*");
}

// The former ParseDecimal: that syntax, then std::from_chars.
std::optional<double> FromCharsParse(const std::string& text, char separator,
                                     const std::regex& syntax) {
  std::smatch m;
  if (!std::regex_match(text, m, syntax)) return std::nullopt;
  return FromChars((m[1] == "-" ? "-" : "") + WithSeparator(m[2].str(), separator, '.'));
}

// Both nothing, or the same bits (negative zero is not zero).
bool Same(std::optional<double> a, std::optional<double> b) {
  return a.has_value() == b.has_value() &&
         (!a || std::bit_cast<uint64_t>(*a) == std::bit_cast<uint64_t>(*b));
}

std::string Describe(std::optional<double> v) {
  if (!v) return "nothing";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", *v);
  return buf;
}

// Collects the first few differences, so that one fault does not flood the log.
struct Differences {
  std::vector<std::string> found;
  int count = 0;
  void Add(const std::string& what) {
    if (++count <= 10) found.push_back(what);
  }
  std::string Report() const {
    std::string out = std::to_string(count) + " differences:\n";
    for (const std::string& f : found) out += f + "\n";
    return out;
  }
};

double Next(double v) {
  return std::nextafter(v, INFINITY);
}

// Doubles where shortest forms are hard: every half step the sliders can hold, both ends of the
// range, powers of two and ten with their neighbours, ties between two shortest forms, huge
// integers, and random bit patterns and short decimals.
std::vector<double> HardDoubles(std::mt19937_64& random) {
  std::vector<double> v = {0.0, -0.0, DBL_TRUE_MIN, DBL_MIN, DBL_MAX, INFINITY, -INFINITY, NAN};
  for (int p = -512; p <= 512; ++p) v.push_back(p / 2.0);  // the sliders' -206..48 and more
  for (int e = -1074; e <= 1023; ++e) {
    const double two = std::ldexp(1.0, e);
    v.insert(v.end(), {two, Next(two), std::nextafter(two, 0.0)});
  }
  for (int e = -323; e <= 308; ++e) {
    const double ten = FromChars("1e" + std::to_string(e)).value();
    v.insert(v.end(), {ten, Next(ten), std::nextafter(ten, 0.0), -ten});
  }
  for (int i = 0; i < 1200; ++i) {
    v.push_back(std::ldexp(1.0, 50) + (i % 400) * 0.25 + (i / 400) * 1e10);  // quarter steps
    v.push_back(std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(i % 80)));
  }
  for (int i = 0; i < 1500; ++i) v.push_back(std::bit_cast<double>(random()));
  std::uniform_int_distribution<int> exponent(-12, 12);
  for (int i = 0; i < 6000; ++i) {
    const auto mantissa = static_cast<int64_t>(random() % 100000000) - 50000000;
    v.push_back(
        FromChars(std::to_string(mantissa) + "e" + std::to_string(exponent(random))).value());
  }
  return v;
}

TEST(DecimalConversion, FormatsEveryDoubleAsToCharsDid) {
  std::mt19937_64 random(15);
  Differences differences;
  for (const double v : HardDoubles(random)) {
    const std::string text = FormatDecimal(v, '.');
    if (text != ToCharsFormat(v, '.')) differences.Add(ToCharsFormat(v, '.') + " became " + text);
    // The shortest form reads back as the same double.
    if (std::isfinite(v) && !Same(ParseDecimal(text, '.'), v == 0 ? 0.0 : v))
      differences.Add(text + " reads back as " + Describe(ParseDecimal(text, '.')));
  }
  for (const int position : {-206, -11, -1, 1, 47, 48, INT_MIN, INT_MAX})
    if (FormatHalfStep(position, ',') != ToCharsFormat(position / 2.0, ','))
      differences.Add(FormatHalfStep(position, ',') + " with a comma");
  EXPECT_EQ(differences.count, 0) << differences.Report();
}

// The exact decimal of a double or of a midpoint between two: long double holds both exactly.
std::string Exact(long double v) {
  std::vector<char> buf(1200);
  std::snprintf(buf.data(), buf.size(), "%.800Le", v);
  return buf.data();
}

// Texts a user can type or paste: short strings of signs, blanks, digits, both separators and
// exponent letters; numbers of many digits; the exact midpoints between neighbouring doubles, and
// texts just below and above them; and exponents far out of range.
TEST(DecimalConversion, ParsesEveryTextAsFromCharsDid) {
  std::mt19937_64 random(15);
  Differences differences;
  auto check = [&](const std::string& text, std::optional<double> expected, char separator) {
    const std::optional<double> got = ParseDecimal(text, separator);
    if (!Same(got, expected))
      differences.Add("'" + text.substr(0, 60) + "': " + Describe(got) + ", expected " +
                      Describe(expected));
  };
  const std::string alphabet = " \t+-0123456789.,eEx";
  const std::regex point = FormerSyntax('.');
  const std::regex comma = FormerSyntax(',');
  for (int i = 0; i < 40000; ++i) {
    std::string text(random() % 11, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    check(text, FromCharsParse(text, '.', point), '.');
    check(text, FromCharsParse(text, ',', comma), ',');
  }
  for (int i = 0; i < 600; ++i) {
    // Many digits, a separator somewhere, leading and trailing zeros, maybe an exponent.
    std::string digits(1 + random() % 900, '0');
    for (char& c : digits) c = static_cast<char>('0' + random() % (random() % 4 ? 10 : 1));
    std::string text = std::string(random() % 3, '0') + digits;
    text.insert(random() % (text.size() + 1), ".");
    if (text.back() == '.') text += "5";
    if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
    check(text, FromChars(text), '.');
    check(WithSeparator(text, '.', ','), FromChars(text), ',');
    // Midpoints decide between two doubles: exactly on one, a little below and a little above.
    const double low = std::bit_cast<double>(random() >> 1);
    if (!std::isfinite(Next(low))) continue;
    std::string mid = Exact((static_cast<long double>(low) + Next(low)) / 2);
    const std::string exponent = mid.substr(mid.find('e'));
    mid.erase(mid.find('e'));
    mid.erase(mid.find_last_not_of('0') + 1);
    std::string below = mid;
    below.back() = static_cast<char>(below.back() - 1);
    for (const std::string& m : {mid, below + "9999", mid + "0001"})
      check("-" + m + exponent, FromChars("-" + m + exponent), '.');
  }
  for (const char* text :
       {"1e-400", "0e999999999999", "0.0e-99999", "1e308", "1.8e308", "-0", "17976931348623158e292",
        "2.4703282292062327e-324", "2.4703282292062328e-324", "4.9406564584124654e-324",
        "1e-99999999999999999999", "1e99999999999999999999"})
    check(text, FromChars(text), '.');
  EXPECT_EQ(differences.count, 0) << differences.Report();
}

}  // namespace
}  // namespace quellon
