#pragma once
// An unsigned integer of any size, with just the operations the exact decimal conversions of
// doubles need. Speed matters little: the numbers are a few thousand bits at most.

#include <cstdint>
#include <string>
#include <vector>

namespace quellon {

class BigUnsigned {
 public:
  explicit BigUnsigned(uint64_t value = 0);

  bool IsZero() const { return limbs_.empty(); }
  int BitLength() const;

  void MultiplyAdd(uint32_t factor, uint32_t addend = 0);
  void ShiftLeft(int bits);
  void Add(const BigUnsigned& other);
  // Requires other <= *this.
  void Subtract(const BigUnsigned& other);
  // Divides in place and returns the remainder.
  uint32_t DivideSmall(uint32_t divisor);

  // Negative, zero or positive as a is less than, equal to or greater than b.
  friend int Compare(const BigUnsigned& a, const BigUnsigned& b);

  // Its decimal digits, "0" for zero.
  std::string Decimal() const;

 private:
  void Trim();
  std::vector<uint32_t> limbs_;  // least significant first, no leading zero limbs
};

}  // namespace quellon
