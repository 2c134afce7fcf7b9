// The bare save: every plain value written below a key opened (created when missing) for it
// alone, the fan-out writes into the "DriverData" of every device instance that has one (and of
// "0018" always), and the closed-caption walk over both driver trees holding one key at a time,
// in the saver's order.

#include <algorithm>
#include <cstring>
#include <vector>

#include "bare_registry_win32.h"

namespace bench {
namespace {

constexpr char kAudioControls250[] = "SOFTWARE\\hauppauge\\hcwtvdlg\\audiocontrols";
constexpr char kColorControls[] = "SOFTWARE\\Hauppauge\\hcwtvdlg\\ColorControls";
constexpr char kPvr250CC[] =
    "System\\CurrentControlSet\\Services\\Globespan\\Parameters\\ivac15\\Driver";
constexpr char kTvWndCC[] = "Software\\Hauppauge\\hcwTVWnd";
constexpr char kServicesMedia[] = "System\\CurrentControlSet\\Services\\Class\\MEDIA";
constexpr char kControlClass[] = "System\\CurrentControlSet\\Control\\Class";

void SetValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
  ++BareCalls().set;
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

void Write(HKEY parent, const char* path, const char* name, DWORD type, const void* data,
           DWORD size) {
  HKEY key = nullptr;
  ++BareCalls().create;
  if (RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return;
  SetValue(key, name, type, data, size);
  Close(key);
}

void WriteDword(const char* path, const char* name, DWORD value) {
  Write(HKEY_LOCAL_MACHINE, path, name, REG_DWORD, &value, sizeof value);
}

bool HasDriverData(HKEY class_key, const char* instance) {
  HKEY key = OpenFull(class_key, instance);
  if (!key) return false;
  bool found = false;
  char child[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof child;
    ++BareCalls().enum_key;
    if (RegEnumKeyExA(key, i, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    found = found || SameName(child, "DriverData");
  }
  Close(key);
  return found;
}

void FanOutWrite(const char* name, DWORD value) {
  HKEY class_key = OpenFull(HKEY_LOCAL_MACHINE, kMediaClass);
  if (!class_key) return;
  char instance[256 + sizeof "\\DriverData"];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    ++BareCalls().enum_key;
    if (RegEnumKeyExA(class_key, i, instance, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    if (!TakesFanOut(class_key, instance)) continue;
    std::memcpy(instance + length, "\\DriverData", sizeof "\\DriverData");
    Write(class_key, instance, name, REG_DWORD, &value, sizeof value);
  }
  Close(class_key);
}

void WriteBoth(const char* name, DWORD value) {
  WriteDword(kPvr150, name, value);
  FanOutWrite(name, value);
}

void MarkDriverKey(const std::string& path, DWORD flag) {
  HKEY key = OpenFull(HKEY_LOCAL_MACHINE, path.c_str());
  if (!key) return;
  // The names are all looked at before the flag is written, so a flag written now is not listed.
  static char value[16384];
  bool marked = false;
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof value;
    ++BareCalls().enum_value;
    if (RegEnumValueA(key, i, value, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    marked = marked || SameName(value, "EnableVIMProtection");
  }
  if (marked) SetValue(key, "InsertCCinDVD", REG_DWORD, &flag, sizeof flag);
  Close(key);
}

void ClosedCaptionWalk(DWORD flag) {
  for (const std::string& device : SubKeysOf(kServicesMedia))
    MarkDriverKey(std::string(kServicesMedia) + "\\" + device + "\\Driver", flag);
  for (const std::string& setup_class : SubKeysOf(kControlClass)) {
    const std::string class_path = std::string(kControlClass) + "\\" + setup_class;
    for (const std::string& instance : SubKeysOf(class_path))
      MarkDriverKey(class_path + "\\" + instance + "\\Driver", flag);
  }
}

}  // namespace

bool TakesFanOut(HKEY class_key, const char* instance) {
  return std::strcmp(instance, "0018") == 0 || HasDriverData(class_key, instance);
}

// The names below a key that is closed again before anything else is opened.
std::vector<std::string> SubKeysOf(const std::string& path) {
  std::vector<std::string> names;
  HKEY key = OpenFull(HKEY_LOCAL_MACHINE, path.c_str());
  if (!key) return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    ++BareCalls().enum_key;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  Close(key);
  return names;
}

void BareSave(const Loaded& l, bool closed_captions) {
  WriteDword(kPvr150, "HcwSaveEncoderSettings", 1);
  WriteDword(kAudioControls, "Scart1_Volume", l.volume150);
  WriteDword(kPvr150, "8775Reg14", l.line_in_left);
  WriteDword(kPvr150, "8775Reg15", l.line_in_right);
  WriteDword(kPvr150, "8775Reg17", l.auto_gain);
  WriteDword(kPvr150, "8775Reg16", l.agc_target);
  WriteBoth("HcwSharpness", l.sharpness150);
  WriteBoth("HcwBrightness", l.brightness);
  WriteBoth("HcwContrast", l.contrast);
  WriteBoth("HcwSaturation", l.saturation);
  WriteBoth("HcwHue", l.hue);
  WriteDword(kColorControls, "Brightness", l.brightness + 128);
  WriteDword(kColorControls, "Contrast", l.contrast);
  WriteDword(kColorControls, "Saturation", l.saturation);
  WriteDword(kColorControls, "Hue", l.hue + 128);
  FanOutWrite("IsStaticTemporal", l.static_temporal);
  FanOutWrite("StaticTemporalLevel", l.temporal_level);
  FanOutWrite("IsStaticSpatial", l.static_spatial);
  FanOutWrite("StaticSpatialLevel", l.spatial_level);
  // The volume byte (bits 8 to 15, 0 dB at 115) clamped to the slider's -114..12 dB, the driver's
  // two low bits kept.
  const int volume = std::clamp(static_cast<int>((l.volume250 >> 8) & 0xFF), 1, 127);
  WriteDword(kPvr250, "HcwAudioScart1Volume", static_cast<DWORD>(volume << 8) | (l.volume250 & 3));
  WriteDword(kAudioControls250, "Scart1_Volume", static_cast<DWORD>(volume));
  WriteDword(kPvr250, "SharpnessValue", l.sharpness250);
  if (closed_captions) {
    const DWORD flag = l.closed_caption == 1 ? 1 : 0;
    WriteDword(kPvr250CC, "InsertCCInDvd", flag);
    WriteDword(kTvWndCC, "CC_Connect", flag);
    ClosedCaptionWalk(flag);
  }
  WriteDword(kTvWnd, "TV_Out_PlayLocal", l.play_local);
  WriteDword(kTvWnd, "LivePreview", l.live_preview);
  WriteDword(kTvWndCountry, "AllChannelsCountryCode", l.country);
  WriteDword(kPreferencesSlip, "Allow_SlipChannelChange", l.slip_change);
  Write(HKEY_LOCAL_MACHINE, kTvWnd, "LiveFileName", REG_SZ, l.buffer_file.c_str(),
        static_cast<DWORD>(l.buffer_file.size() + 1));
  WriteDword(kPreferences, "Animate_Step", l.animate_step);
  WriteDword(kPreferences, "SnapshotWidth", l.snapshot_width);
  WriteDword(kPreferences, "SnapshotHeight", l.snapshot_height);
}

}  // namespace bench
