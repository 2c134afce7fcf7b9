#include "settings/pvr150_values.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quellon::settings {
namespace {

constexpr int kTunerVolumeZero = 115;
constexpr int kLineInZero = 207;
constexpr int kAutoGainThreshold = 255;
constexpr int kAutoGainOnValue = 398;
constexpr int kAutoGainOffValue = 142;
constexpr int kAgcLevelBits = 0xF;
constexpr int kAgcFixedBits = 0x1F0;  // bits 4 to 8
constexpr int kAgcLowestLevel = -16;
constexpr int kAgcHighestStorable = -1;

// A registry value far outside any slider's range still gives a position on the right side of
// it, without wrapping around.
int Saturate(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

int TunerVolumePosition(int stored) {
  return Saturate(std::int64_t{kTunerVolumeZero} - stored);
}

int TunerVolumeValue(int position) {
  return kTunerVolumeZero - position;
}

int LineInPosition(int stored) {
  return Saturate(std::int64_t{stored} - kLineInZero);
}

int LineInValue(int position) {
  return position + kLineInZero;
}

bool AutoGainOn(int stored) {
  return stored > kAutoGainThreshold;
}

int AutoGainValue(bool on) {
  return on ? kAutoGainOnValue : kAutoGainOffValue;
}

// A missing value leaves the box as it is.
std::optional<bool> AutoGainChecked(std::optional<int> stored) {
  if (!stored) return std::nullopt;
  return AutoGainOn(*stored);
}

int AgcTargetPosition(int stored) {
  return (stored & kAgcLevelBits) + kAgcLowestLevel;
}

int AgcTargetValue(int position) {
  const int level = std::clamp(position, kAgcLowestLevel, kAgcHighestStorable);
  return kAgcFixedBits | (level - kAgcLowestLevel);
}

}  // namespace quellon::settings
