// The bare load: every plain value opened, read and closed on its own, and the fan-out values read
// in one walk over the media class key's device instances, where the loader reads them.

#include <cstring>
#include <utility>
#include <vector>

#include "bare_registry_win32.h"

namespace bench {
namespace {

constexpr DWORD kMissing = static_cast<DWORD>(-9999);

// A REG_DWORD of four bytes, read in one call.
bool QueryDword(HKEY key, const char* name, DWORD* value) {
  DWORD type = REG_NONE, data = 0, size = sizeof data;
  ++BareCalls().query;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof data)
    return false;
  *value = data;
  return true;
}

DWORD ReadDword(const char* key_path, const char* name) {
  DWORD value = kMissing;
  if (HKEY key = OpenFull(HKEY_LOCAL_MACHINE, key_path)) {
    QueryDword(key, name, &value);
    Close(key);
  }
  return value;
}

std::string ReadText(const char* key_path, const char* name) {
  HKEY key = OpenFull(HKEY_LOCAL_MACHINE, key_path);
  if (!key) return "xxxx";
  char text[512];
  DWORD type = REG_NONE, size = sizeof text;
  std::string result;
  ++BareCalls().query;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
          ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ))
    result.assign(text, strnlen(text, size));
  Close(key);
  return result;
}

// The fan-out values in one walk: each instance's "DriverData" read whole, each value with its
// data in the call that lists it; the last instance that holds a name gives its value, as the
// program's read of one value does.
void FanOutRead(const std::vector<std::pair<const char*, DWORD*>>& wanted) {
  for (const auto& [name, value] : wanted) *value = kMissing;
  HKEY class_key = OpenFull(HKEY_LOCAL_MACHINE, kMediaClass);
  if (!class_key) return;
  char instance[256 + sizeof "\\DriverData"];
  static char value_name[16384];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    ++BareCalls().enum_key;
    if (RegEnumKeyExA(class_key, i, instance, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    std::memcpy(instance + length, "\\DriverData", sizeof "\\DriverData");
    HKEY driver_data = OpenFull(class_key, instance);
    if (!driver_data) continue;
    for (DWORD j = 0;; ++j) {
      DWORD name_length = sizeof value_name, type = REG_NONE, data = 0, size = sizeof data;
      ++BareCalls().enum_value;
      const LSTATUS status = RegEnumValueA(driver_data, j, value_name, &name_length, nullptr, &type,
                                           reinterpret_cast<BYTE*>(&data), &size);
      if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) break;
      if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) continue;
      for (const auto& [name, value] : wanted)
        if (SameName(value_name, name)) *value = data;
    }
    Close(driver_data);
  }
  Close(class_key);
}

}  // namespace

CallCounts& BareCalls() {
  static CallCounts counts;
  return counts;
}

HKEY OpenFull(HKEY parent, const char* path) {
  HKEY key = nullptr;
  ++BareCalls().open;
  return RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS ? key : nullptr;
}

void Close(HKEY key) {
  ++BareCalls().close;
  RegCloseKey(key);
}

bool SameName(const char* a, const char* b) {
  return _stricmp(a, b) == 0;
}

Loaded BareLoad() {
  Loaded l;
  l.volume150 = ReadDword(kAudioControls, "Scart1_Volume");
  l.line_in_left = ReadDword(kPvr150, "8775Reg14");
  l.line_in_right = ReadDword(kPvr150, "8775Reg15");
  l.auto_gain = ReadDword(kPvr150, "8775Reg17");
  l.agc_target = ReadDword(kPvr150, "8775Reg16");
  l.sharpness150 = ReadDword(kPvr150, "HcwSharpness");
  l.brightness = ReadDword(kPvr150, "HcwBrightness");
  l.contrast = ReadDword(kPvr150, "HcwContrast");
  l.saturation = ReadDword(kPvr150, "HcwSaturation");
  l.hue = ReadDword(kPvr150, "HcwHue");
  FanOutRead({{"IsStaticTemporal", &l.static_temporal},
              {"StaticTemporalLevel", &l.temporal_level},
              {"IsStaticSpatial", &l.static_spatial},
              {"StaticSpatialLevel", &l.spatial_level}});
  l.volume250 = ReadDword(kPvr250, "HcwAudioScart1Volume");
  l.sharpness250 = ReadDword(kPvr250, "SharpnessValue");
  l.closed_caption = ReadDword(kPvr250, "InsertCCInDvd");
  l.play_local = ReadDword(kTvWnd, "TV_Out_PlayLocal");
  l.live_preview = ReadDword(kTvWnd, "LivePreview");
  l.country = ReadDword(kTvWndCountry, "AllChannelsCountryCode");
  l.slip_change = ReadDword(kPreferencesSlip, "Allow_SlipChannelChange");
  l.buffer_file = ReadText(kTvWnd, "LiveFileName");
  l.animate_step = ReadDword(kPreferences, "Animate_Step");
  l.snapshot_height = ReadDword(kPreferences, "SnapshotHeight");
  l.snapshot_width = ReadDword(kPreferences, "SnapshotWidth");
  return l;
}

}  // namespace bench
