// The "150/500" page's conversions between slider positions and the driver's register values.

#include "settings/pvr150_values.h"

#include <gtest/gtest.h>

#include <climits>

namespace quellon::settings {
namespace {

TEST(Pvr150Values, VolumesRoundTripOverTheirWholeSliderRange) {
  for (int p = -114; p <= 12; ++p) EXPECT_EQ(TunerVolumePosition(TunerVolumeValue(p)), p);
  EXPECT_EQ(TunerVolumeValue(0), 115);
  EXPECT_EQ(TunerVolumeValue(12), 103);
  EXPECT_EQ(TunerVolumeValue(-114), 229);
  for (int p = -206; p <= 48; ++p) EXPECT_EQ(LineInPosition(LineInValue(p)), p);
  EXPECT_EQ(LineInValue(0), 207);
  EXPECT_EQ(LineInValue(-206), 1);
  EXPECT_EQ(LineInValue(48), 255);
}

// A hostile value must land on the side of the range it points to, not wrap around to the other.
TEST(Pvr150Values, ExtremeStoredVolumesSaturateInsteadOfWrapping) {
  EXPECT_EQ(TunerVolumePosition(INT_MIN), INT_MAX);
  EXPECT_EQ(TunerVolumePosition(INT_MAX), 115 - INT_MAX);
  EXPECT_EQ(LineInPosition(INT_MIN), INT_MIN);
  EXPECT_EQ(LineInPosition(INT_MAX), INT_MAX - 207);
}

TEST(Pvr150Values, AutoGainIsOnFrom256AndWrittenAsOneOfTwoSettings) {
  EXPECT_FALSE(AutoGainOn(255));
  EXPECT_TRUE(AutoGainOn(256));
  EXPECT_TRUE(AutoGainOn(300));
  EXPECT_FALSE(AutoGainOn(-1));  // 0xFFFFFFFF read as a signed value
  EXPECT_EQ(AutoGainValue(true), 398);
  EXPECT_EQ(AutoGainValue(false), 142);
  EXPECT_TRUE(AutoGainOn(AutoGainValue(true)));
  EXPECT_FALSE(AutoGainOn(AutoGainValue(false)));
}

TEST(Pvr150Values, AgcTargetComesFromTheLowFourBitsOnly) {
  EXPECT_EQ(AgcTargetPosition(507), -5);
  EXPECT_EQ(AgcTargetPosition(1023), -1);
  EXPECT_EQ(AgcTargetPosition(496), -16);
  EXPECT_EQ(AgcTargetPosition(0), -16);
  EXPECT_EQ(AgcTargetPosition(-1), -1);
  EXPECT_EQ(AgcTargetPosition(INT_MIN), -16);
}

TEST(Pvr150Values, AgcTargetWritesLevelBitsUnderFixedOnes) {
  for (int p = -16; p <= -1; ++p) {
    EXPECT_EQ(AgcTargetValue(p), 512 + p);
    EXPECT_EQ(AgcTargetPosition(AgcTargetValue(p)), p);
  }
}

// Level 0 is on the slider but not in the register: it is written as -1, which the AGC treats
// the same, instead of 512, which would read back as -16.
TEST(Pvr150Values, AgcTargetZeroReadsBackAsMinusOne) {
  EXPECT_EQ(AgcTargetValue(0), 511);
  EXPECT_EQ(AgcTargetPosition(AgcTargetValue(0)), -1);
  for (int p = -20; p <= 5; ++p) {
    const int v = AgcTargetValue(p);
    EXPECT_EQ(v & ~0x1FF, 0) << p;  // nothing above bit 8
    EXPECT_EQ(v & 0x1F0, 0x1F0) << p;
  }
}

}  // namespace
}  // namespace quellon::settings
