// The window description of the "150/500" page: captions, ranges, design values and bounds.
// Bounds are in the group box's client coordinates, sized for Tahoma 8pt at 96 DPI; rows are 26
// pixels apart and read caption, slider, value box, unit, save box, with the save boxes in one
// column under their heading.

#include "pages/pvr150/fr150.h"

namespace quellon {
namespace {

constexpr int kCaptionLeft = 8;
constexpr int kCaptionWidth = 120;
constexpr int kSliderLeft = 132;
constexpr int kSliderWidth = 150;
constexpr int kEditLeft = 288;
constexpr int kEditWidth = 50;
constexpr int kUnitLeft = 342;
constexpr int kSaveLeft = 436;
constexpr int kRuleWidth = 472;

// Row tops: the slider's top edge; the other controls of a row are centred on it.
constexpr int kRowStep = 26;
constexpr int kTunerTop = 30;
constexpr int kLeftTop = kTunerTop + kRowStep;
constexpr int kLinkTop = kLeftTop + kRowStep;
constexpr int kRightTop = kLinkTop + kRowStep;
constexpr int kAutoGainTop = kRightTop + kRowStep;
constexpr int kTargetTop = kAutoGainTop + kRowStep;
constexpr int kPictureRuleTop = kTargetTop + 32;
constexpr int kPictureTop =
    kPictureRuleTop + 26;  // brightness; contrast, saturation, hue, sharpness
constexpr int kOptionsRuleTop = kPictureTop + 5 * kRowStep + 6;
constexpr int kOptionsTop = kOptionsRuleTop + 8;
constexpr int kButtonTop = kOptionsTop + 26;
constexpr int kMotionBlurTop = kButtonTop + 34;
constexpr int kPageHeight = kMotionBlurTop + 34;
constexpr int kPageWidth = 488;

void PlaceRow(SettingRow& row, const char* caption, int min, int max, int position, int top) {
  row.caption().SetCaption(caption);
  row.caption().SetBounds({kCaptionLeft, top + 5, kCaptionWidth, 13});
  row.slider().SetRange(min, max);
  row.slider().SetPosition(position);
  row.slider().SetBounds({kSliderLeft, top, kSliderWidth, 24});
  row.edit().SetBounds({kEditLeft, top + 2, kEditWidth, 21});
  row.save().SetBounds({kSaveLeft, top + 4, 17, 17});
}

void PlaceUnit(ui::Label& label, int top) {
  label.SetCaption("dB");
  label.SetBounds({kUnitLeft, top + 5, 16, 13});
}

// A check box whose caption stands left of the box, as the page's options do.
void PlaceOption(ui::CheckBox& box, const char* caption, int left, int width, int top,
                 bool checked) {
  box.SetCaption(caption);
  box.caption_left = true;
  box.SetChecked(checked);
  box.SetBounds({left, top + 4, width, 17});
}

}  // namespace

void TFr150::LayOut() {
  SetBounds({0, 0, kPageWidth, kPageHeight});
  GroupBox1.SetCaption("Sound");
  GroupBox1.SetBounds({0, 0, kPageWidth, kPageHeight});
  Label10.SetCaption("Save setting");
  Label10.SetBounds({kSaveLeft - 30, 14, 76, 13});

  PlaceRow(Row(1), "Volume-Tuner", -114, 12, 0, kTunerTop);
  PlaceUnit(Label1, kTunerTop);
  PlaceRow(Row(3), "Volume-Line in (L)", -206, 48, -12, kLeftTop);
  PlaceUnit(Label6, kLeftTop);
  PlaceOption(VolLinked, "Channels linked", kCaptionLeft, 112, kLinkTop, true);
  VolLinked.SetEnabled(false);  // the link cannot be undone
  PlaceRow(Row(4), "Volume-Line in (R)", -206, 48, -12, kRightTop);
  PlaceUnit(Label8, kRightTop);
  CheckBox4.SetEnabled(false);  // the right channel is saved through row 3's box
  PlaceOption(AutoGain, "Automatic Gain", kCaptionLeft, 112, kAutoGainTop, true);
  AGCSave.SetBounds({kSaveLeft, kAutoGainTop + 4, 17, 17});
  PlaceRow(Row(10), "AGC Target level", -16, 0, -5, kTargetTop);

  Bevel1.SetBounds({kCaptionLeft, kPictureRuleTop, kRuleWidth, 2});
  // Drawn in the colour of an active window caption on the native side.
  Label15.SetCaption("Picture Procamp  (PLEASE READ INSTRUCTIONS)");
  Label15.SetBounds({kCaptionLeft, kPictureRuleTop + 8, 280, 13});
  PlaceRow(Row(5), "Brightness", -128, 128, 0, kPictureTop);
  PlaceRow(Row(6), "Contrast", 0, 255, 128, kPictureTop + kRowStep);
  PlaceRow(Row(7), "Saturation", 0, 255, 128, kPictureTop + 2 * kRowStep);
  PlaceRow(Row(8), "Hue", -128, 128, 0, kPictureTop + 3 * kRowStep);
  PlaceRow(Row(2), "Sharpness", 0, 7, 5, kPictureTop + 4 * kRowStep);

  Bevel2.SetBounds({kCaptionLeft, kOptionsRuleTop, kRuleWidth, 2});
  PlaceOption(SetFilter, "Set Capture Filter", kCaptionLeft, 120, kOptionsTop, true);
  PlaceOption(SetWintv2kProcamp, "Set Wintv2k", kCaptionLeft + 160, 96, kOptionsTop, true);
  SetProcampDefaults.SetCaption("Load and Set Defaults");
  SetProcampDefaults.SetBounds({kCaptionLeft, kButtonTop, 140, 25});

  PlaceRow(Row(9), "Motion blur", 0, 8, 8, kMotionBlurTop);
  for (ui::Control* c : {static_cast<ui::Control*>(&Label3), static_cast<ui::Control*>(&TrackBar9),
                         static_cast<ui::Control*>(&Edit9), static_cast<ui::Control*>(&CheckBox9)})
    c->SetVisible(false);
}

}  // namespace quellon
