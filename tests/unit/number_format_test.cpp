// The value boxes' number texts: what parses, and the canonical form a box is rewritten to.

#include "pages/number_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quellon {
namespace {

TEST(RangeTest, BothEndsIncluded) {
  EXPECT_TRUE(IsWaardeInMinMax(5, 5, 5));
  EXPECT_TRUE(IsWaardeInMinMax(0, -1, 1));
  EXPECT_FALSE(IsWaardeInMinMax(2, -1, 1));
  EXPECT_FALSE(IsWaardeInMinMax(0, 1, 0));  // an empty range holds nothing
  EXPECT_TRUE(IsWaardeInMinMax(INT_MIN, INT_MIN, INT_MAX));
}

TEST(ParseInteger, AcceptsSignedDecimalsWithLeadingBlanks) {
  EXPECT_EQ(ParseInteger("007"), 7);
  EXPECT_EQ(ParseInteger("+5"), 5);
  EXPECT_EQ(ParseInteger("-114"), -114);
  EXPECT_EQ(ParseInteger("  \t12"), 12);
  EXPECT_EQ(ParseInteger("-0"), 0);
}

TEST(ParseInteger, RefusesWhatIsNotYetANumber) {
  for (const char* text :
       {"", " ", "-", "+", "--5", "5-", "1 2", "12 ", "0x10", "$10", "1.0", "1e2", "\xB2"})
    EXPECT_EQ(ParseInteger(text), std::nullopt) << text;
}

TEST(ParseInteger, KeepsTheWholeInt32RangeAndNothingBeyond) {
  EXPECT_EQ(ParseInteger("2147483647"), INT_MAX);
  EXPECT_EQ(ParseInteger("-2147483648"), INT_MIN);
  EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInteger("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseInteger(std::string(500, '9')), std::nullopt);
  EXPECT_EQ(ParseInteger("00000000000000000000000012"), 12);
}

TEST(FormatInteger, PlainDecimal) {
  EXPECT_EQ(FormatInteger(-114), "-114");
  EXPECT_EQ(FormatInteger(0), "0");
  EXPECT_EQ(FormatInteger(INT_MIN), "-2147483648");
}

TEST(ParseDecimal, UsesOnlyTheGivenSeparator) {
  EXPECT_EQ(ParseDecimal("-5.5", '.'), -5.5);
  EXPECT_EQ(ParseDecimal("-5,5", ','), -5.5);
  EXPECT_EQ(ParseDecimal("-5.5", ','), std::nullopt);
  EXPECT_EQ(ParseDecimal("-5,5", '.'), std::nullopt);
  EXPECT_EQ(ParseDecimal("1.000,5", ','), std::nullopt);
}

TEST(ParseDecimal, AcceptsSignsBlanksAndHalfWrittenForms) {
  EXPECT_EQ(ParseDecimal(" +24 ", '.'), 24.0);
  EXPECT_EQ(ParseDecimal(".5", '.'), 0.5);
  EXPECT_EQ(ParseDecimal("-.5", '.'), -0.5);
  EXPECT_EQ(ParseDecimal("1e1", '.'), 10.0);
  EXPECT_EQ(ParseDecimal("0.3", '.'), 0.3);
  // Mid-typing forms are not numbers yet, so the box is not rewritten under the user's fingers.
  for (const char* text : {"", "-", "+", ".", "5.", "-5.", "1e", "1e+", "e5", "5..5", "5.5.", "a"})
    EXPECT_EQ(ParseDecimal(text, '.'), std::nullopt) << text;
}

TEST(ParseDecimal, RefusesWhatADoubleCannotHold) {
  EXPECT_EQ(ParseDecimal("1e999", '.'), std::nullopt);
  EXPECT_EQ(ParseDecimal(std::string(400, '9'), '.'), std::nullopt);
}

TEST(FormatDecimal, ShortestFormWithoutTrailingZeros) {
  EXPECT_EQ(FormatDecimal(-6, '.'), "-6");
  EXPECT_EQ(FormatDecimal(24, '.'), "24");
  EXPECT_EQ(FormatDecimal(-5.5, '.'), "-5.5");
  EXPECT_EQ(FormatDecimal(0.3, '.'), "0.3");
  EXPECT_EQ(FormatDecimal(-5.5, ','), "-5,5");
  EXPECT_EQ(FormatDecimal(-0.0, '.'), "0");
}

TEST(FormatDecimal, ExtremeMagnitudesKeepEveryDigit) {
  const std::string tiny = FormatDecimal(1e-300, '.');
  EXPECT_EQ(tiny, "0." + std::string(299, '0') + "1");
  EXPECT_EQ(ParseDecimal(tiny, '.'), 1e-300);
  const std::string huge = FormatDecimal(1e300, ',');
  EXPECT_EQ(huge.size(), 301u);
  EXPECT_EQ(ParseDecimal(huge, ','), 1e300);
}

TEST(FormatDecimal, ReadsBackAsTheSameNumber) {
  for (const double v : {0.1, -103.0, 24.25, 1.0 / 3.0, 123456.789, -0.0001})
    for (const char sep : {'.', ','}) EXPECT_EQ(ParseDecimal(FormatDecimal(v, sep), sep), v) << v;
}

TEST(FormatHalfStep, HalvesThePosition) {
  EXPECT_EQ(FormatHalfStep(-11, '.'), "-5.5");
  EXPECT_EQ(FormatHalfStep(-12, '.'), "-6");
  EXPECT_EQ(FormatHalfStep(-1, ','), "-0,5");
  EXPECT_EQ(FormatHalfStep(-206, '.'), "-103");
  EXPECT_EQ(FormatHalfStep(INT_MIN, '.'), "-1073741824");
  EXPECT_EQ(FormatHalfStep(INT_MAX, '.'), "1073741823.5");
}

}  // namespace
}  // namespace quellon
