// The tuner volume bit field of the PVR-250/350 driver: which bits a load reads and which a save
// keeps, including values with bits beyond the field and negative 32-bit values.

#include <gtest/gtest.h>

#include "settings/pvr250_values.h"

namespace quellon::settings::pvr250 {
namespace {

TEST(TunerVolume, PositionComesFromBitsEightToFifteenOnly) {
  EXPECT_EQ(TunerVolumePosition(0x7C02), 9);
  EXPECT_EQ(TunerVolumePosition(3), -115);        // volume byte 0; the slider clamps it
  EXPECT_EQ(TunerVolumePosition(0xFF03), 140);    // volume byte 255; the slider clamps it
  EXPECT_EQ(TunerVolumePosition(0x12347301), 0);  // high bits are ignored
  EXPECT_EQ(TunerVolumePosition(static_cast<int>(0x8000FFFFu)), 140);  // so is the sign bit
  EXPECT_EQ(TunerVolumePosition(kTunerVolumeRawWhenMissing), 0);
}

TEST(TunerVolume, SaveKeepsTheTwoDriverBitsAndDropsTheRest) {
  EXPECT_EQ(TunerVolumeRaw(9, 0x7C02), 0x7C02);
  EXPECT_EQ(TunerVolumeRaw(-114, 3), 0x103);
  EXPECT_EQ(TunerVolumeRaw(12, 0xFF03), 0x7F03);
  EXPECT_EQ(TunerVolumeRaw(0, static_cast<int>(0xFFFF73FDu)), 0x7301);  // bits 2-7, 15-31 go
  EXPECT_EQ(TunerVolumeRaw(0, kTunerVolumeRawWhenMissing), 29441);
}

}  // namespace
}  // namespace quellon::settings::pvr250
