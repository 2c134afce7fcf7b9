#pragma once
// How the "150/500" page's controls map to the values the PVR-150/500 driver and the WinTV2000
// application keep in the registry. The position functions take whatever a hostile registry may
// hold and never overflow; the slider clamps what they return.

namespace quellon {

// The WinTV2000 audio controls (tuner volume).
inline constexpr const char* kAudioControlsKey = "SOFTWARE\\Hauppauge\\hcwtvdlg\\audiocontrols";
// The PVR-150/500 driver's service data (line-in volumes, automatic gain, picture values).
inline constexpr const char* kPvr150DriverKey =
    "SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData";
// The WinTV2000 colour controls; only ever written.
inline constexpr const char* kColorControlsKey = "SOFTWARE\\Hauppauge\\hcwtvdlg\\ColorControls";

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

// "8775Reg16": bits 0 to 3 hold the target level + 16 (levels -16 to -1), bits 4 to 8 must be
// ones. The slider also offers level 0, which four bits cannot hold; the AGC treats 0 to -3 alike,
// so level 0 is written as -1, the nearest level the register can hold, and reads back as -1.
int AgcTargetPosition(int stored);
int AgcTargetValue(int position);

}  // namespace quellon
