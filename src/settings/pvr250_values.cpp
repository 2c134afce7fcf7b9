#include "settings/pvr250_values.h"

#include <cstdint>

namespace quellon::settings::pvr250 {
namespace {

constexpr std::uint32_t kVolumeByte = 0xFF;
constexpr std::uint32_t kDriverBits = 0x3;

}  // namespace

int TunerVolumePosition(int raw) {
  // Shift the unsigned pattern: a value with bit 31 set is negative as an int.
  const std::uint32_t bits = static_cast<std::uint32_t>(raw);
  return static_cast<int>((bits >> 8) & kVolumeByte) - kTunerVolumeOffset;
}

int TunerVolumeRaw(int position, int remembered_raw) {
  // The slider keeps the position in -114..12, so the byte is 1..127; the mask only keeps a
  // position from outside that range out of the neighbouring bits.
  const std::uint32_t volume =
      static_cast<std::uint32_t>(position) + static_cast<std::uint32_t>(kTunerVolumeOffset);
  const std::uint32_t low = static_cast<std::uint32_t>(remembered_raw) & kDriverBits;
  return static_cast<int>(((volume & kVolumeByte) << 8) | low);
}

int TunerVolumeCopy(int position) {
  return position + kTunerVolumeOffset;
}

}  // namespace quellon::settings::pvr250
