#include "pages/pvr250/fr250.h"

#include "settings/pvr250_values.h"

namespace quellon {

TFr250::TFr250(ui::Control* parent, PageHost& host) : Page("Frame250", parent, host) {
  using namespace fr250;
  SetBounds({0, 0, kPageWidth, kPageHeight});
  GroupBox1.SetCaption("Livetv / Recording");
  GroupBox1.SetBounds({0, 0, kPageWidth, kPageHeight});
  Label1.SetCaption("Save setting");
  Label1.SetBounds({kSaveLeft - 26, 18, 70, 13});
  Bevel1.SetBounds({kRuleLeft, kLineInTop + kRowStep + 4, kRuleWidth, 2});
  Bevel2.SetBounds({kRuleLeft, kClosedCaptionTop + kRowStep + 4, kRuleWidth, 2});
  Bevel3.SetBounds({kRuleLeft, kSharpnessTop + kRowStep + 4, kRuleWidth, 2});
  GroupBox1.OnEnter = [this] { tuner_volume.Enter(); };
  // The capture list has no exit of its own; leaving the group box ends its highlight.
  GroupBox1.OnExit = [this] { capture_list.caption.SetBold(false); };
}

TFr250::TunerVolumeRow::TunerVolumeRow(Page& page, ui::Control& parent)
    : SliderRow(page, parent, fr250::kTunerVolume) {}

void TFr250::TunerVolumeRow::Load(LoadContext& ctx) {
  namespace pvr250 = settings::pvr250;
  const auto raw = ctx.store.Read(pvr250::kTunerVolume);
  TrackBar1Raw = raw.value_or(pvr250::kTunerVolumeRawWhenMissing);
  if (raw) slider.SetPosition(ctx.Computed(pvr250::TunerVolumePosition(*raw)));
  ctx.DebugLine(raw);
}

void TFr250::TunerVolumeRow::Save(SaveContext& ctx) {
  namespace pvr250 = settings::pvr250;
  if (!save.checked()) return;
  const int position = slider.position();
  ctx.store.Write(pvr250::kTunerVolume, pvr250::TunerVolumeRaw(position, TrackBar1Raw));
  const settings::SliderValue& copy = pvr250::kTunerVolumeCopy;
  ctx.store.Write(copy.value, copy.scale.stored(position));
}

void TFr250::ClosedCaptionRow::Save(SaveContext& ctx) {
  namespace pvr250 = settings::pvr250;
  if (!save->checked()) return;
  const int flag = def().value->flag.stored(box.checked());
  ctx.store.Write(pvr250::kClosedCaptionSaved, flag);
  ctx.store.Write(pvr250::kCCConnect, flag);
  ctx.store.Write(pvr250::kClosedCaptionFlag, flag);
}

}  // namespace quellon
