#pragma once
// The PVR-250/350 driver keeps the tuner volume in "HcwAudioScart1Volume" as a bit field: bits 8 to
// 15 hold the slider position plus 115 (0 dB is 115), bits 0 and 1 are the driver's own and must
// survive a save, every other bit is written as zero.

namespace quellon::pvr250 {

inline constexpr int kTunerVolumeOffset = 115;
// What the row assumes when the driver has no value yet: volume byte 115 (0 dB), low bits 01.
inline constexpr int kTunerVolumeRawWhenMissing = 0x7301;

// The slider position a stored value stands for, before the slider clamps it: bits 8 to 15
// minus 115, whatever the other bits hold.
int TunerVolumePosition(int raw);

// The value to store for a slider position: the volume byte from the position, the two lowest
// bits from the value last read, zero everywhere else.
int TunerVolumeRaw(int position, int remembered_raw);

}  // namespace quellon::pvr250
