// The load and save rows of the "250/350" page: tuner volume, sharpness and closed captions of
// the PVR-250/350 driver.

#include "app/form1.h"
#include "app/setting_blocks.h"
#include "registry/registry_ops.h"
#include "settings/closed_caption.h"
#include "settings/pvr250_tuner_volume.h"

namespace quellon {
namespace {

constexpr const char* kDriverKey =
    "SYSTEM\\CurrentControlSet\\Services\\Globespan\\Parameters\\ivac15\\Driver";
// The same key; the closed-caption rows have always spelt it this way.
constexpr const char* kDriverKeyCC =
    "System\\CurrentControlSet\\Services\\Globespan\\Parameters\\ivac15\\Driver";
constexpr const char* kAudioControlsKey = "SOFTWARE\\hauppauge\\hcwtvdlg\\audiocontrols";
constexpr const char* kTvWndKey = "Software\\Hauppauge\\hcwTVWnd";

void LoadTunerVolume(LoadContext& ctx, TFr250& page) {
  const auto raw = ctx.reg.GetRegIntKeyHKLM(kDriverKey, "HcwAudioScart1Volume");
  if (!raw) {
    page.TrackBar1Raw = pvr250::kTunerVolumeRawWhenMissing;
  } else {
    page.TrackBar1Raw = *raw;
    page.TrackBar1.SetPosition(ctx.Computed(pvr250::TunerVolumePosition(*raw)));
  }
  ctx.DebugLine(raw);
}

void LoadSharpness(LoadContext& ctx, TFr250& page) {
  if (const auto sharpness = ctx.reg.GetRegIntKeyHKLM(kDriverKey, "SharpnessValue"))
    page.TrackBar2.SetPosition(ctx.Computed(*sharpness));
}

void SaveTunerVolume(SaveContext& ctx, const TFr250& page) {
  const int position = page.TrackBar1.position();
  ctx.reg.SetRegIntKeyHKLM(kDriverKey, "HcwAudioScart1Volume",
                           pvr250::TunerVolumeRaw(position, page.TrackBar1Raw));
  // WinTV2000's own copy of the same volume, without the driver's bits.
  ctx.reg.SetRegIntKeyHKLM(kAudioControlsKey, "Scart1_Volume",
                           position + pvr250::kTunerVolumeOffset);
}

void SaveClosedCaption(SaveContext& ctx, const TFr250& page) {
  const bool enable = page.CC.checked();
  const int flag = enable ? 1 : 0;
  ctx.reg.SetRegIntKeyHKLM(kDriverKeyCC, "InsertCCInDvd", flag);
  ctx.reg.SetRegIntKeyHKLM(kTvWndKey, "CC_Connect", flag);
  SetCCKey(ctx.reg.api(), enable);
}

}  // namespace

void LoadPvr250Rows(LoadContext& ctx) {
  TFr250& page = ctx.form.Frame250;
  LoadTunerVolume(ctx, page);
  LoadSharpness(ctx, page);
  // Only a stored 1 means on; anything else, missing included, means off.
  page.CC.SetChecked(ctx.reg.GetRegIntKeyHKLM(kDriverKey, "InsertCCInDvd") == 1);
}

void SavePvr250Rows(SaveContext& ctx) {
  const TFr250& page = ctx.form.Frame250;
  if (page.CheckBox1.checked()) SaveTunerVolume(ctx, page);
  if (page.CheckBox2.checked())
    ctx.reg.SetRegIntKeyHKLM(kDriverKey, "SharpnessValue", page.TrackBar2.position());
  if (page.CCchekc.checked()) SaveClosedCaption(ctx, page);
}

}  // namespace quellon
