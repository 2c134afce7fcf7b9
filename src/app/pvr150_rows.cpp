// The load and save rows of the "150/500" page: the tuner volume in WinTV2000's audio controls,
// the line-in volumes, the automatic gain and the picture values in the PVR-150/500 driver's data,
// and on a save the picture values also for every device instance, the running capture filter and
// WinTV2000's colour controls.

#include "app/form1.h"
#include "app/setting_blocks.h"
#include "registry/registry_ops.h"
#include "settings/pvr150_values.h"

namespace quellon {
namespace {

// Sets the slider from the stored value when there is one; returns what the read gave.
std::optional<int> LoadSlider(LoadContext& ctx, ui::Slider& slider, const char* key,
                              const char* name, int (*position)(int)) {
  const auto stored = ctx.reg.GetRegIntKeyHKLM(key, name);
  if (stored) slider.SetPosition(ctx.Computed(position(*stored)));
  return stored;
}

int Same(int v) {
  return v;
}

struct PictureRow {
  const ui::CheckBox& save;
  const ui::Slider& slider;
  const char* name;
};

}  // namespace

void LoadPvr150Rows(LoadContext& ctx) {
  TFr150& page = ctx.form.Frame150;
  LoadSlider(ctx, page.TrackBar1, kAudioControlsKey, "Scart1_Volume", TunerVolumePosition);
  // While linked, moving the left channel drags the right one along; the right channel's own
  // value, read next, then overrides that.
  LoadSlider(ctx, page.TrackBar3, kPvr150DriverKey, "8775Reg14", LineInPosition);
  LoadSlider(ctx, page.TrackBar4, kPvr150DriverKey, "8775Reg15", LineInPosition);
  if (const auto gain = ctx.reg.GetRegIntKeyHKLM(kPvr150DriverKey, "8775Reg17"))
    page.AutoGain.SetChecked(AutoGainOn(*gain));
  LoadSlider(ctx, page.TrackBar10, kPvr150DriverKey, "8775Reg16", AgcTargetPosition);
  ctx.DebugLine(LoadSlider(ctx, page.TrackBar2, kPvr150DriverKey, "HcwSharpness", Same));
  LoadSlider(ctx, page.TrackBar5, kPvr150DriverKey, "HcwBrightness", Same);
  LoadSlider(ctx, page.TrackBar6, kPvr150DriverKey, "HcwContrast", Same);
  LoadSlider(ctx, page.TrackBar7, kPvr150DriverKey, "HcwSaturation", Same);
  LoadSlider(ctx, page.TrackBar8, kPvr150DriverKey, "HcwHue", Same);
}

void SavePvr150Rows(SaveContext& ctx) {
  const TFr150& page = ctx.form.Frame150;
  const RegistryOps& reg = ctx.reg;
  if (page.CheckBox1.checked())
    reg.SetRegIntKeyHKLM(kAudioControlsKey, "Scart1_Volume",
                         TunerVolumeValue(page.TrackBar1.position()));
  if (page.CheckBox3.checked())
    reg.SetRegIntKeyHKLM(kPvr150DriverKey, "8775Reg14", LineInValue(page.TrackBar3.position()));
  // The user cannot tick the right channel's box; while linked it is saved with the left one.
  if (page.CheckBox4.checked())
    reg.SetRegIntKeyHKLM(kPvr150DriverKey, "8775Reg15", LineInValue(page.TrackBar4.position()));
  else if (page.CheckBox3.checked() && page.VolLinked.checked())
    reg.SetRegIntKeyHKLM(kPvr150DriverKey, "8775Reg15", LineInValue(page.TrackBar3.position()));
  if (page.AGCSave.checked())
    reg.SetRegIntKeyHKLM(kPvr150DriverKey, "8775Reg17", AutoGainValue(page.AutoGain.checked()));
  if (page.CheckBox10.checked())
    reg.SetRegIntKeyHKLM(kPvr150DriverKey, "8775Reg16", AgcTargetValue(page.TrackBar10.position()));

  // The driver's service key first, then every device instance, which is what the driver reads.
  const PictureRow picture[] = {{page.CheckBox2, page.TrackBar2, "HcwSharpness"},
                                {page.CheckBox5, page.TrackBar5, "HcwBrightness"},
                                {page.CheckBox6, page.TrackBar6, "HcwContrast"},
                                {page.CheckBox7, page.TrackBar7, "HcwSaturation"},
                                {page.CheckBox8, page.TrackBar8, "HcwHue"}};
  for (const PictureRow& row : picture) {
    if (!row.save.checked()) continue;
    reg.SetRegIntKeyHKLM(kPvr150DriverKey, row.name, row.slider.position());
    reg.SetRegIntKeyHKLM_all150subkeys(row.name, row.slider.position());
  }

  if (page.SetFilter.checked()) ctx.form.SetProcampSettings(DeviceKind::Pvr150Capture);

  // WinTV2000 keeps brightness and hue offset by 128; it has no sharpness.
  if (!page.SetWintv2kProcamp.checked()) return;
  if (page.CheckBox5.checked())
    reg.SetRegIntKeyHKLM(kColorControlsKey, "Brightness", page.TrackBar5.position() + 128);
  if (page.CheckBox6.checked())
    reg.SetRegIntKeyHKLM(kColorControlsKey, "Contrast", page.TrackBar6.position());
  if (page.CheckBox7.checked())
    reg.SetRegIntKeyHKLM(kColorControlsKey, "Saturation", page.TrackBar7.position());
  if (page.CheckBox8.checked())
    reg.SetRegIntKeyHKLM(kColorControlsKey, "Hue", page.TrackBar8.position() + 128);
}

}  // namespace quellon
