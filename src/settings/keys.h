#pragma once
// Every registry key the settings live in, below HKEY_LOCAL_MACHINE, each defined once. The
// registry ignores the case of key names, so some pairs below name one key; a key that a save
// creates keeps the spelling of the value that created it, which is why each keeps its own.

namespace quellon::settings::keys {

// WinTV2000's audio controls: the tuner volume as the 150/500 page spells the key ...
inline constexpr const char* kAudioControls = "SOFTWARE\\Hauppauge\\hcwtvdlg\\audiocontrols";
// ... and as the 250/350 page does.
inline constexpr const char* kAudioControls250 = "SOFTWARE\\hauppauge\\hcwtvdlg\\audiocontrols";
// WinTV2000's colour controls; only ever written.
inline constexpr const char* kColorControls = "SOFTWARE\\Hauppauge\\hcwtvdlg\\ColorControls";

// The PVR-150/500 driver's service data.
inline constexpr const char* kPvr150Driver =
    "SYSTEM\\CurrentControlSet\\Services\\hcwPP2\\DriverData";

// The PVR-250/350 driver's parameters, as its volume and sharpness spell the key ...
inline constexpr const char* kPvr250Driver =
    "SYSTEM\\CurrentControlSet\\Services\\Globespan\\Parameters\\ivac15\\Driver";
// ... and as a closed-caption save does.
inline constexpr const char* kPvr250DriverCC =
    "System\\CurrentControlSet\\Services\\Globespan\\Parameters\\ivac15\\Driver";

// WinTV2000's window settings, in the spellings of its software decoder, live preview and buffer
// file; of the closed-caption connection; and of the forced country code.
inline constexpr const char* kTvWnd = "SOFTWARE\\Hauppauge\\hcwTVWnd";
inline constexpr const char* kTvWndCC = "Software\\Hauppauge\\hcwTVWnd";
inline constexpr const char* kTvWndCountry = "SOFTWARE\\Hauppauge\\HCWtvwnd";

// WinTV2000's preferences, as the channel change in timeshift spells the key, and as the drop
// speed and the snapshot size do.
inline constexpr const char* kPreferencesSlip = "SOFTWARE\\Hauppauge\\WinTV32\\Preferences";
inline constexpr const char* kPreferences = "Software\\Hauppauge\\WinTV32\\Preferences";

// The device-class key of the sound, video and game controllers: its numbered subkeys are the
// installed device instances, whose "DriverData" subkeys hold the card drivers' parameters.
inline constexpr const char* kMediaClass =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}";
// The instance the fan-out always writes into, creating its "DriverData" when it is missing.
inline constexpr const char* kAlwaysWrittenInstance = "0018";

// Where the closed-caption walk looks for the card's media driver keys: below each device of the
// first, below each instance of each setup class of the second.
inline constexpr const char* kServicesMedia = "System\\CurrentControlSet\\Services\\Class\\MEDIA";
inline constexpr const char* kControlClass = "System\\CurrentControlSet\\Control\\Class";

}  // namespace quellon::settings::keys
