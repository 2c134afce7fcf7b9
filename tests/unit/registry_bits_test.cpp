// The bit-string conversions of driver values.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "registry/registry_ops.h"

namespace quellon {
namespace {

TEST(BitStrings, MostSignificantBitFirst) {
  EXPECT_EQ(std::string(29, '0') + "110", IntToBinStr(6));
  EXPECT_EQ(std::string(32, '1'), IntToBinStr(-1));
  EXPECT_EQ("1" + std::string(31, '0'), IntToBinStr(INT_MIN));
  EXPECT_EQ(-1, BinStrToInt(std::string(32, '1')));
  EXPECT_EQ(INT_MIN, BinStrToInt(IntToBinStr(INT_MIN)));
  EXPECT_EQ(7, BinStrToInt("111"));
  EXPECT_EQ(5, BinStrToInt("1x1"));  // anything but '1' is a zero bit
  EXPECT_EQ(0, BinStrToInt(""));
  // Bits beyond the 32nd fall away instead of overflowing.
  EXPECT_EQ(1, BinStrToInt("1" + std::string(31, '0') + "1"));
  EXPECT_EQ(0, BinStrToInt("1" + std::string(40, '0')));
}

TEST(BitStrings, RoundTripAndFieldPicking) {
  for (int value : {0, 1, 0x1234ABCD, -2, INT_MAX, INT_MIN, 0x00FF00FF}) {
    EXPECT_EQ(value, BinStrToInt(IntToBinStr(value))) << value;
  }
  // Bits 15 to 8: the leftmost 8 of the rightmost 16 characters.
  const std::string bits = IntToBinStr(0x00C3A55A);
  EXPECT_EQ(0xA5, BinStrToInt(bits.substr(16, 16).substr(0, 8)));
  // Packing fields back the other way.
  EXPECT_EQ(0x12AB, BinStrToInt(IntToBinStr(0x12).substr(24) + IntToBinStr(0xAB).substr(24)));
}

}  // namespace
}  // namespace quellon
