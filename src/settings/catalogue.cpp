#include "settings/catalogue.h"

#include "registry/registry_api.h"
#include "registry/registry_ops.h"
#include "settings/device_keys.h"
#include "settings/keys.h"
#include "settings/pvr150_advanced_values.h"
#include "settings/pvr150_values.h"
#include "settings/pvr250_values.h"
#include "settings/wintv2k_values.h"

namespace quellon::settings {
namespace {

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

namespace {

void NoteUnlisted(RegStatus status, const std::string& what, WriteTargets* out) {
  if (status != kErrorSuccess)
    out->unlisted.push_back(what + " (error " + std::to_string(static_cast<int>(status)) + ")");
}

// The "DriverData" of an instance the fan-out writes into: "0018" may have none yet.
ListedKey ReadDriverData(RegistryApi& api, RegHandle classKey, const std::string& instance,
                         std::string path) {
  ListedKey read{kHkeyLocalMachine, std::move(path), kErrorSuccess, {}};
  RegKey key;
  read.status = RegKey::Open(api, classKey, instance + "\\DriverData", kKeyRead, &key);
  if (read.status == kErrorSuccess) read.status = ListValues(api, key.get(), &read.values);
  return read;
}

// How many keys the value is written to.
std::size_t KeysOf(const Value& value, std::size_t instances, std::size_t marked) {
  switch (value.where) {
    case Where::Plain:
      return 1;
    case Where::FanOut:
      return instances;
    case Where::PlainThenFanOut:
      return 1 + instances;
    case Where::MarkedDriverKeys:
      return marked;
  }
  return 0;
}

}  // namespace

WriteTargets AllWriteTargets(RegistryApi& api, DeviceKeys devices) {
  WriteTargets out;
  const bool reading = devices == DeviceKeys::kFindAndRead;
  std::vector<std::string_view> instances;
  NoteUnlisted(
      ForEachFanOutInstance(api,
                            [&](RegHandle classKey, const std::string& instance) {
                              std::string path =
                                  std::string(keys::kMediaClass) + "\\" + instance + "\\DriverData";
                              if (reading)
                                out.read.push_back(ReadDriverData(api, classKey, instance, path));
                              instances.push_back(out.keys.emplace_back(std::move(path)));
                            }),
      "the device instances below HKEY_LOCAL_MACHINE\\" + std::string(keys::kMediaClass), &out);
  std::vector<std::string_view> marked;
  NoteUnlisted(
      ForEachMarkedDriverKey(
          api,
          [&](RegHandle, const std::string& path, const std::vector<NamedRegValue>& values) {
            if (reading) out.read.push_back({kHkeyLocalMachine, path, kErrorSuccess, values});
            marked.push_back(out.keys.emplace_back(path));
          }),
      "the media driver keys of the closed captions", &out);
  std::size_t count = 0;
  for (const Value* value : kWritten) count += KeysOf(*value, instances.size(), marked.size());
  out.targets.reserve(count);  // tens of thousands on a large machine: not copied as they grow
  for (const Value* value : kWritten) {
    if (value->where == Where::Plain || value->where == Where::PlainThenFanOut)
      out.targets.push_back({value->key, value});
    if (value->where == Where::FanOut || value->where == Where::PlainThenFanOut)
      for (const std::string_view key : instances) out.targets.push_back({key, value});
    if (value->where == Where::MarkedDriverKeys)
      for (const std::string_view key : marked) out.targets.push_back({key, value});
  }
  return out;
}

}  // namespace quellon::settings
