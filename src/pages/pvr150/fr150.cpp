#include "pages/pvr150/fr150.h"

#include <string>

namespace quellon {

TFr150::TFr150(ui::Control* parent, PageHost& host) : Page("Frame150", parent, host) {
  LayOut();
  LinkChannels();
  // Focus arriving in the group box from outside shows the first row's help.
  GroupBox1.OnEnter = [this] { tuner_volume.Enter(); };
  VolLinked.OnClick = [this] { VolLinkedClick(); };
  SetProcampDefaults.OnClick = [this] { SetProcampDefaultsClick(); };
}

// What the table does not place: headings, rules, the link and the defaults button.
void TFr150::LayOut() {
  using namespace fr150;
  SetBounds({0, 0, kPageWidth, kPageHeight});
  GroupBox1.SetCaption("Sound");
  GroupBox1.SetBounds({0, 0, kPageWidth, kPageHeight});
  Label10.SetCaption("Save setting");
  Label10.SetBounds({kSaveLeft - 30, 14, 76, 13});
  VolLinked.SetCaption("Channels linked");
  VolLinked.caption_left = true;
  VolLinked.SetChecked(true);
  VolLinked.SetBounds(Option(kCaptionLeft, 112, kLinkTop));
  VolLinked.SetEnabled(false);           // the link cannot be undone
  line_in_right.save.SetEnabled(false);  // the right channel is saved through the left's box
  Bevel1.SetBounds({kCaptionLeft, kPictureRuleTop, kRuleWidth, 2});
  // Drawn in the colour of an active window caption on the native side.
  Label15.SetCaption("Picture Procamp  (PLEASE READ INSTRUCTIONS)");
  Label15.SetBounds({kCaptionLeft, kPictureRuleTop + 8, 280, 13});
  Bevel2.SetBounds({kCaptionLeft, kOptionsRuleTop, kRuleWidth, 2});
  SetProcampDefaults.SetCaption("Load and Set Defaults");
  SetProcampDefaults.SetBounds({kCaptionLeft, kButtonTop, 140, 25});
}

// The left channel drives the right one while linked; the right channel's box only follows the
// left one then, and every move of the left slider is logged.
void TFr150::LinkChannels() {
  line_in_left.slider.OnChange = [this] { TrackBar3Change(); };
  line_in_left.edit.OnChange = [this] { Edit3Change(); };
  line_in_right.edit.OnChange = [this] {
    if (!VolLinked.checked()) static_cast<void>(line_in_right.EditChanged());
  };
}

void TFr150::TrackBar3Change() {
  line_in_left.Enter();
  line_in_left.SliderChanged();
  FollowLeftChannel();
  host().DebugLog().Append(std::to_string(line_in_left.slider.position()));
}

void TFr150::Edit3Change() {
  if (line_in_left.EditChanged()) FollowLeftChannel();
}

void TFr150::FollowLeftChannel() {
  if (VolLinked.checked()) line_in_right.edit.SetText(line_in_left.edit.text());
  if (VolLinked.checked()) line_in_right.slider.SetPosition(line_in_left.slider.position());
}

void TFr150::VolLinkedClick() {
  const bool unlinked = !VolLinked.checked();
  line_in_right.slider.SetEnabled(unlinked);
  line_in_right.edit.SetEnabled(unlinked);
  line_in_right.caption.SetEnabled(unlinked);
}

std::vector<SliderRow*> TFr150::PictureRows() const {
  std::vector<SliderRow*> picture;
  for (Row* row : rows())
    if (auto* slider = dynamic_cast<SliderRow*>(row); slider && slider->def().procamp)
      picture.push_back(slider);
  return picture;
}

std::vector<ProcampValue> TFr150::TickedProcampValues() const {
  std::vector<ProcampValue> values;
  for (const SliderRow* row : PictureRows())
    if (row->save.checked()) values.push_back({*row->def().procamp, row->slider.position()});
  return values;
}

// Reloads, sets the picture rows to their defaults with only their save boxes ticked, saves and
// reloads again. A failing write, or a backup that cannot be made before the save writes, ends the
// action at the save, before the second reload.
void TFr150::SetProcampDefaultsClick() {
  host().ResetClick();
  for (SliderRow* row : PictureRows()) {
    row->slider.SetPosition(row->def().design);
    row->save.SetChecked(true);
  }
  host().SetDefaultsInRegistry();
  host().ResetClick();
  host().app().platform().ShowMessage("Default Procamp Settings Loaded");
}

TFr150::LineInRightRow::LineInRightRow(TFr150& page, const SliderDef& def)
    : SliderRow(page, page.GroupBox1, def), page_(page) {}

// The user cannot tick this box; while linked the left channel's box saves it with the left value.
void TFr150::LineInRightRow::Save(SaveContext& ctx) {
  if (save.checked()) return SliderRow::Save(ctx);
  const SliderRow& left = page_.line_in_left;
  if (!left.save.checked() || !page_.VolLinked.checked()) return;
  ctx.store.Write(def().value->value, def().value->scale.stored(left.slider.position()));
}

void TFr150::SetFilterRow::Save(SaveContext&) {
  if (box.checked()) page().host().SetProcampSettings(DeviceKind::Pvr150Capture);
}

TFr150::SetWintv2kRow::SetWintv2kRow(TFr150& page, const BoxDef& def)
    : BoxRow(page, page.GroupBox1, def), page_(page) {}

void TFr150::SetWintv2kRow::Save(SaveContext& ctx) {
  if (!box.checked()) return;
  for (const SliderRow* row : page_.PictureRows()) {
    const settings::SliderValue* copy = row->def().wintv2k_copy;
    if (copy && row->save.checked())
      ctx.store.Write(copy->value, copy->scale.stored(row->slider.position()));
  }
}

}  // namespace quellon
