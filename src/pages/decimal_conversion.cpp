#include "pages/decimal_conversion.h"

#include <algorithm>
#include <bit>

#include "pages/big_unsigned.h"

namespace quellon {
namespace {

constexpr int kFractionBits = 52;
constexpr uint64_t kHiddenBit = uint64_t{1} << kFractionBits;
constexpr int kExponentBias = 1075;  // a double is mantissa * 2^(biased exponent - 1075)
constexpr int kLowestExponent = 1 - kExponentBias;  // of the last bit of every subnormal
constexpr int kInfiniteExponent = 2047;
// No midpoint between two doubles has more significant digits than 767: beyond 800 digits only
// whether any other digit is not zero can change the rounding.
constexpr size_t kSignificantDigits = 800;

// value = mantissa * 2^exponent.
struct Binary {
  uint64_t mantissa;
  int exponent;
  bool closer_below;  // at a power of two the next smaller double is half as far as the next larger
};

Binary Decompose(double value) {
  const auto bits = std::bit_cast<uint64_t>(value);
  const int biased = static_cast<int>(bits >> kFractionBits & 0x7FF);
  const uint64_t fraction = bits & (kHiddenBit - 1);
  if (biased == 0) return {fraction, kLowestExponent, false};
  return {fraction | kHiddenBit, biased - kExponentBias, fraction == 0 && biased > 1};
}

void MultiplyByPowerOfTen(BigUnsigned& n, int64_t exponent) {
  for (; exponent >= 9; exponent -= 9) n.MultiplyAdd(1000000000);
  for (; exponent > 0; --exponent) n.MultiplyAdd(10);
}

// The fraction's digits, one at a time until the digits so far, or those with the last one raised,
// lie closer to the value than the midpoints towards its neighbours (a midpoint itself reads back
// as the even mantissa). All quantities are scaled by 2^(shift + 2), which makes them integers.
std::string FractionDigits(const Binary& b) {
  const int shift = -b.exponent;
  BigUnsigned rest(shift < 64 ? b.mantissa & ((uint64_t{1} << shift) - 1) : b.mantissa);
  rest.ShiftLeft(2);
  BigUnsigned unit(1);
  unit.ShiftLeft(shift + 2);
  BigUnsigned below(b.closer_below ? 1 : 2);
  BigUnsigned above(2);
  const bool even = b.mantissa % 2 == 0;
  // A small value's leading zeros come at once: while 10^-j is at least twice the value, neither
  // 0 nor 10^-j lies within reach. The value is below 2^(top + 1); 0.30102 < log10(2).
  const int top = std::bit_width(b.mantissa) - 1 + b.exponent;
  const int zeros = std::max(0, -(top + 2) * 30102 / 100000);
  std::string digits(static_cast<size_t>(zeros), '0');
  for (BigUnsigned* n : {&rest, &below, &above}) MultiplyByPowerOfTen(*n, zeros);
  for (;;) {
    rest.MultiplyAdd(10);
    below.MultiplyAdd(10);
    above.MultiplyAdd(10);
    char digit = '0';
    for (; Compare(rest, unit) >= 0; ++digit) rest.Subtract(unit);
    BigUnsigned raised = rest;
    raised.Add(above);
    const int low = Compare(rest, below);
    const int high = Compare(raised, unit);
    const bool down_reads_back = even ? low <= 0 : low < 0;
    const bool up_reads_back = even ? high >= 0 : high > 0;
    if (!down_reads_back && !up_reads_back) {
      digits.push_back(digit);
      continue;
    }
    bool up = up_reads_back;
    if (down_reads_back && up_reads_back) {  // the nearer of the two, a tie to the even digit
      BigUnsigned twice = rest;
      twice.ShiftLeft(1);
      const int c = Compare(twice, unit);
      up = c > 0 || (c == 0 && (digit - '0') % 2 == 1);
    }
    digits.push_back(static_cast<char>(digit + (up ? 1 : 0)));
    return digits;
  }
}

// (q + f) * 2^-k for 2^62 < q < 2^64 and a fraction 0 <= f < 1 that is zero exactly when `exact`,
// rounded to a double; nothing when it rounds to zero or to infinity.
std::optional<double> RoundToDouble(uint64_t q, int k, bool exact) {
  const int length = std::bit_width(q);
  const int last = std::max(length - 53 - k, kLowestExponent);  // exponent of the last bit kept
  const int drop = last + k;                                    // at least 10
  if (drop > 64) return std::nullopt;
  uint64_t mantissa = drop == 64 ? 0 : q >> drop;
  const uint64_t half = uint64_t{1} << (drop - 1);
  const uint64_t dropped = q & ((half << 1) - 1);
  if (dropped > half || (dropped == half && (!exact || mantissa % 2 == 1))) ++mantissa;
  int exponent = last;
  if (mantissa == kHiddenBit << 1) {
    mantissa >>= 1;
    ++exponent;
  }
  if (mantissa == 0) return std::nullopt;
  const int biased = mantissa >= kHiddenBit ? exponent + kExponentBias : 0;
  if (biased >= kInfiniteExponent) return std::nullopt;
  return std::bit_cast<double>(uint64_t(biased) << kFractionBits | (mantissa & (kHiddenBit - 1)));
}

// num / den rounded to a double: 64 bits of the quotient by long division, and whether it is exact.
std::optional<double> Quotient(BigUnsigned num, BigUnsigned den) {
  const int k = 63 + den.BitLength() - num.BitLength();  // num * 2^k / den lies in (2^62, 2^64)
  if (k > 0) num.ShiftLeft(k);
  if (k < 0) den.ShiftLeft(-k);
  den.ShiftLeft(63);
  uint64_t q = 0;
  for (int bit = 63; bit >= 0; --bit, num.ShiftLeft(1)) {
    if (Compare(num, den) < 0) continue;
    num.Subtract(den);
    q |= uint64_t{1} << bit;
  }
  return RoundToDouble(q, k, num.IsZero());
}

}  // namespace

std::string ShortestFixed(double value) {
  if (value == 0) return "0";
  const Binary b = Decompose(value);
  if (b.exponent >= 0) {
    BigUnsigned whole(b.mantissa);
    whole.ShiftLeft(b.exponent);
    return whole.Decimal();
  }
  const int shift = -b.exponent;
  const uint64_t whole = shift < 64 ? b.mantissa >> shift : 0;
  if (shift < 64 && whole << shift == b.mantissa) return BigUnsigned(whole).Decimal();
  return BigUnsigned(whole).Decimal() + "." + FractionDigits(b);
}

std::optional<double> DecimalToDouble(std::string_view digits, int64_t exponent) {
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos) return 0.0;
  const size_t last = digits.find_last_not_of('0');
  exponent += static_cast<int64_t>(digits.size() - 1 - last);
  digits = digits.substr(first, last + 1 - first);
  // The value lies in [10^(magnitude - 1), 10^magnitude).
  const int64_t magnitude = exponent + static_cast<int64_t>(digits.size());
  if (magnitude > 310) return std::nullopt;   // beyond the largest double
  if (magnitude < -330) return std::nullopt;  // below half the smallest
  BigUnsigned num;
  BigUnsigned den(1);
  for (const char c : digits.substr(0, kSignificantDigits))
    num.MultiplyAdd(10, static_cast<uint32_t>(c - '0'));
  if (digits.size() > kSignificantDigits) {
    // The digits cut off are not all zero (the last digit is not): one more digit stands for them.
    num.MultiplyAdd(10, 1);
    exponent += static_cast<int64_t>(digits.size() - kSignificantDigits) - 1;
  }
  MultiplyByPowerOfTen(num, exponent);
  MultiplyByPowerOfTen(den, -exponent);
  return Quotient(std::move(num), std::move(den));
}

}  // namespace quellon
