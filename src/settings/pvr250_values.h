#pragma once
// The values of the "250/350" page: tuner volume, sharpness and closed captions of the PVR-250/350
// driver, with WinTV2000's copy of the volume and its closed-caption connection.

#include "settings/keys.h"
#include "settings/stored_value.h"

namespace quellon::settings::pvr250 {

// The driver keeps the tuner volume in "HcwAudioScart1Volume" as a bit field: bits 8 to 15 hold
// the slider position plus 115 (0 dB is 115), bits 0 and 1 are the driver's own and must survive a
// save, every other bit is written as zero.
inline constexpr int kTunerVolumeOffset = 115;
// What the row assumes when the driver has no value yet: volume byte 115 (0 dB), low bits 01.
inline constexpr int kTunerVolumeRawWhenMissing = 0x7301;

// The slider position a stored value stands for, before the slider clamps it: bits 8 to 15
// minus 115, whatever the other bits hold.
int TunerVolumePosition(int raw);
// The value to store for a slider position: the volume byte from the position, the two lowest
// bits from the value last read, zero everywhere else.
int TunerVolumeRaw(int position, int remembered_raw);
// WinTV2000's own copy of the same volume, without the driver's bits.
int TunerVolumeCopy(int position);

inline constexpr Value kTunerVolume{keys::kPvr250Driver, "HcwAudioScart1Volume"};
inline constexpr SliderValue kTunerVolumeCopy{{keys::kAudioControls250, "Scart1_Volume"},
                                              {nullptr, &TunerVolumeCopy}};
inline constexpr SliderValue kSharpness{{keys::kPvr250Driver, "SharpnessValue"}, kSame};

// Closed captions: only a stored 1 means on, missing included. A save writes the flag under the
// other spelling of the driver's key, WinTV2000's connection, and the flag into every media
// driver key that carries the marker (SetCCKey).
inline constexpr BoxValue kClosedCaption{{keys::kPvr250Driver, "InsertCCInDvd"}, kOneOrZero};
inline constexpr Value kClosedCaptionSaved{keys::kPvr250DriverCC, "InsertCCInDvd"};
inline constexpr Value kCCConnect{keys::kTvWndCC, "CC_Connect"};
inline constexpr const char* kClosedCaptionMarker = "EnableVIMProtection";
inline constexpr Value kClosedCaptionFlag{nullptr, "InsertCCinDVD", Type::Dword,
                                          Where::MarkedDriverKeys};

}  // namespace quellon::settings::pvr250
