#pragma once
// The values of the "150/500" page: the tuner volume in WinTV2000's audio controls, the line-in
// volumes, the automatic gain and the picture values in the PVR-150/500 driver's data (the picture
// values on every device instance too), WinTV2000's copies of the picture values, and the encoder
// flag every save sets. The position functions take whatever a hostile registry may hold and never
// overflow; the slider clamps what they return.

#include <optional>

#include "settings/keys.h"
#include "settings/stored_value.h"

namespace quellon::settings {

// "Scart1_Volume" stores 115 - volume in dB: 0 dB is 115, +12 dB is 103.
int TunerVolumePosition(int stored);
int TunerVolumeValue(int position);

// "8775Reg14" / "8775Reg15" store 207 + twice the volume in dB; the slider counts half dB.
int LineInPosition(int stored);
int LineInValue(int position);

// "8775Reg17": 256 and above means the automatic gain control is on. It is written as one of the
// two register settings the driver knows, whatever the load found.
bool AutoGainOn(int stored);
int AutoGainValue(bool on);
std::optional<bool> AutoGainChecked(std::optional<int> stored);

// "8775Reg16": bits 0 to 3 hold the target level + 16 (levels -16 to -1), bits 4 to 8 must be
// ones. The slider also offers level 0, which four bits cannot hold; the AGC treats 0 to -3 alike,
// so level 0 is written as -1, the nearest level the register can hold, and reads back as -1.
int AgcTargetPosition(int stored);
int AgcTargetValue(int position);

namespace pvr150 {

inline constexpr SliderValue kTunerVolume{{keys::kAudioControls, "Scart1_Volume"},
                                          {&TunerVolumePosition, &TunerVolumeValue}};
inline constexpr SliderValue kLineInLeft{{keys::kPvr150Driver, "8775Reg14"},
                                         {&LineInPosition, &LineInValue}};
inline constexpr SliderValue kLineInRight{{keys::kPvr150Driver, "8775Reg15"},
                                          {&LineInPosition, &LineInValue}};
inline constexpr BoxValue kAutoGain{{keys::kPvr150Driver, "8775Reg17"},
                                    {&AutoGainChecked, &AutoGainValue}};
inline constexpr SliderValue kAgcTarget{{keys::kPvr150Driver, "8775Reg16"},
                                        {&AgcTargetPosition, &AgcTargetValue}};

// The picture values: the driver's service key first, then every device instance, which is what
// the driver reads. A load reads the service key.
inline constexpr Type kDword = Type::Dword;
inline constexpr Where kBoth = Where::PlainThenFanOut;
inline constexpr SliderValue kSharpness{{keys::kPvr150Driver, "HcwSharpness", kDword, kBoth},
                                        kSame};
inline constexpr SliderValue kBrightness{{keys::kPvr150Driver, "HcwBrightness", kDword, kBoth},
                                         kSame};
inline constexpr SliderValue kContrast{{keys::kPvr150Driver, "HcwContrast", kDword, kBoth}, kSame};
inline constexpr SliderValue kSaturation{{keys::kPvr150Driver, "HcwSaturation", kDword, kBoth},
                                         kSame};
inline constexpr SliderValue kHue{{keys::kPvr150Driver, "HcwHue", kDword, kBoth}, kSame};

// WinTV2000 keeps brightness and hue offset by 128; it has no sharpness. Only ever written.
inline constexpr SliderValue kWintv2kBrightness{{keys::kColorControls, "Brightness"},
                                                {nullptr, &Plus128}};
inline constexpr SliderValue kWintv2kContrast{{keys::kColorControls, "Contrast"}, {nullptr, &Same}};
inline constexpr SliderValue kWintv2kSaturation{{keys::kColorControls, "Saturation"},
                                                {nullptr, &Same}};
inline constexpr SliderValue kWintv2kHue{{keys::kColorControls, "Hue"}, {nullptr, &Plus128}};

// The encoder driver keeps its settings only while this flag is 1, so every save sets it.
inline constexpr Value kSaveEncoderSettings{keys::kPvr150Driver, "HcwSaveEncoderSettings"};

}  // namespace pvr150
}  // namespace quellon::settings
