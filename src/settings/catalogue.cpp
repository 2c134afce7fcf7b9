#include "settings/catalogue.h"

#include "settings/pvr150_advanced_values.h"
#include "settings/pvr150_values.h"
#include "settings/pvr250_values.h"
#include "settings/wintv2k_values.h"

namespace quellon::settings {
namespace {

// In the order a save that has everything ticked writes them.
constexpr const Value* kWritten[] = {
    &pvr150::kSaveEncoderSettings,
    &pvr150::kTunerVolume.value,
    &pvr150::kLineInLeft.value,
    &pvr150::kLineInRight.value,
    &pvr150::kAutoGain.value,
    &pvr150::kAgcTarget.value,
    &pvr150::kSharpness.value,
    &pvr150::kBrightness.value,
    &pvr150::kContrast.value,
    &pvr150::kSaturation.value,
    &pvr150::kHue.value,
    &pvr150::kWintv2kBrightness.value,
    &pvr150::kWintv2kContrast.value,
    &pvr150::kWintv2kSaturation.value,
    &pvr150::kWintv2kHue.value,
    &pvr150_advanced::kIsStaticTemporal.value,
    &pvr150_advanced::kStaticTemporalLevel.value,
    &pvr150_advanced::kIsStaticSpatial.value,
    &pvr150_advanced::kStaticSpatialLevel.value,
    &pvr250::kTunerVolume,
    &pvr250::kTunerVolumeCopy.value,
    &pvr250::kSharpness.value,
    &pvr250::kClosedCaptionSaved,
    &pvr250::kCCConnect,
    &pvr250::kClosedCaptionFlag,
    &wintv2k::kPlayLocal.value,
    &wintv2k::kLivePreview.value,
    &wintv2k::kCountryCode,
    &wintv2k::kSlipChannelChange.value,
    &wintv2k::kLiveFileName,
    &wintv2k::kAnimateStep.value,
    &wintv2k::kSnapshotWidth,
    &wintv2k::kSnapshotHeight,
};

}  // namespace

std::span<const Value* const> WrittenValues() {
  return kWritten;
}

}  // namespace quellon::settings
