#include "pages/big_unsigned.h"

#include <algorithm>
#include <bit>

namespace quellon {

BigUnsigned::BigUnsigned(uint64_t value) {
  for (; value; value >>= 32) limbs_.push_back(static_cast<uint32_t>(value));
}

void BigUnsigned::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

int BigUnsigned::BitLength() const {
  if (limbs_.empty()) return 0;
  return static_cast<int>(32 * limbs_.size()) - std::countl_zero(limbs_.back());
}

void BigUnsigned::MultiplyAdd(uint32_t factor, uint32_t addend) {
  uint64_t carry = addend;
  for (uint32_t& limb : limbs_) {
    carry += uint64_t{limb} * factor;
    limb = static_cast<uint32_t>(carry);
    carry >>= 32;
  }
  if (carry) limbs_.push_back(static_cast<uint32_t>(carry));
  Trim();
}

void BigUnsigned::ShiftLeft(int bits) {
  if (limbs_.empty() || bits <= 0) return;
  limbs_.insert(limbs_.begin(), static_cast<size_t>(bits / 32), 0);
  const int rest = bits % 32;
  if (rest == 0) return;
  uint32_t carry = 0;
  for (uint32_t& limb : limbs_) {
    const uint32_t next = limb >> (32 - rest);
    limb = limb << rest | carry;
    carry = next;
  }
  if (carry) limbs_.push_back(carry);
}

void BigUnsigned::Add(const BigUnsigned& other) {
  limbs_.resize(std::max(limbs_.size(), other.limbs_.size()) + 1, 0);
  uint64_t carry = 0;
  for (size_t i = 0; i < limbs_.size(); ++i) {
    carry += uint64_t{limbs_[i]} + (i < other.limbs_.size() ? other.limbs_[i] : 0);
    limbs_[i] = static_cast<uint32_t>(carry);
    carry >>= 32;
  }
  Trim();
}

void BigUnsigned::Subtract(const BigUnsigned& other) {
  int64_t borrow = 0;
  for (size_t i = 0; i < limbs_.size(); ++i) {
    int64_t d = int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
    borrow = d < 0;
    if (d < 0) d += int64_t{1} << 32;
    limbs_[i] = static_cast<uint32_t>(d);
  }
  Trim();
}

uint32_t BigUnsigned::DivideSmall(uint32_t divisor) {
  uint64_t rest = 0;
  for (size_t i = limbs_.size(); i-- > 0;) {
    rest = rest << 32 | limbs_[i];
    limbs_[i] = static_cast<uint32_t>(rest / divisor);
    rest %= divisor;
  }
  Trim();
  return static_cast<uint32_t>(rest);
}

int Compare(const BigUnsigned& a, const BigUnsigned& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (size_t i = a.limbs_.size(); i-- > 0;)
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  return 0;
}

std::string BigUnsigned::Decimal() const {
  BigUnsigned rest = *this;
  std::string digits;
  // Nine digits at a time, least significant group first.
  do {
    uint32_t group = rest.DivideSmall(1000000000);
    for (int i = 0; i < 9 && (group || !rest.IsZero()); ++i, group /= 10)
      digits.push_back(static_cast<char>('0' + group % 10));
  } while (!rest.IsZero());
  if (digits.empty()) digits = "0";
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace quellon
