// The window description of the "250/350" page: captions, ranges, design positions and bounds.
// Bounds are in the group box's client coordinates, sized for Tahoma 8pt at 96 DPI; rows are 26
// pixels apart, with the save boxes in one column under their heading.

#include <initializer_list>

#include "pages/pvr250/fr250.h"

namespace quellon {
namespace {

constexpr int kCaptionLeft = 12;
constexpr int kCaptionWidth = 110;
constexpr int kSliderLeft = 124;
constexpr int kSliderWidth = 150;
constexpr int kEditLeft = 280;
constexpr int kEditWidth = 50;
constexpr int kUnitLeft = 334;
constexpr int kSaveLeft = 424;
constexpr int kRuleLeft = 8;
constexpr int kRuleWidth = 464;

// Row tops: the slider's top edge; the other controls of a row are centred on it.
constexpr int kVolumeTop = 36;
constexpr int kLineInTop = 62;
constexpr int kClosedCaptionTop = 100;
constexpr int kPictureTop = 138;  // brightness; contrast, saturation and hue follow
constexpr int kRowStep = 26;
constexpr int kSharpnessTop = kPictureTop + 4 * kRowStep;
constexpr int kCaptureTop = 282;

void PlaceCaption(ui::Label& label, const char* text, int top) {
  label.SetCaption(text);
  label.SetBounds({kCaptionLeft, top + 5, kCaptionWidth, 13});
}

void PlaceSlider(ui::Slider& slider, int min, int max, int position, int top) {
  slider.SetRange(min, max);
  slider.SetPosition(position);
  slider.SetBounds({kSliderLeft, top, kSliderWidth, 24});
}

void PlaceEdit(ui::Edit& edit, int top) {
  edit.SetBounds({kEditLeft, top + 2, kEditWidth, 21});
}

void PlaceUnit(ui::Label& label, int top) {
  label.SetCaption("dB");
  label.SetBounds({kUnitLeft, top + 5, 16, 13});
}

void PlaceSaveBox(ui::CheckBox& box, int top) {
  box.SetBounds({kSaveLeft, top + 4, 17, 17});
}

void PlaceRule(ui::Bevel& bevel, int top) {
  bevel.SetBounds({kRuleLeft, top, kRuleWidth, 2});
}

void Disable(std::initializer_list<ui::Control*> controls) {
  for (ui::Control* c : controls) c->SetEnabled(false);
}

}  // namespace

void TFr250::LayOut() {
  SetBounds({0, 0, 480, 320});
  GroupBox1.SetCaption("Livetv / Recording");
  GroupBox1.SetBounds({0, 0, 480, 320});
  Label1.SetCaption("Save setting");
  Label1.SetBounds({kSaveLeft - 26, 18, 70, 13});

  PlaceCaption(Label2, "Volume-Tuner", kVolumeTop);
  PlaceSlider(TrackBar1, -114, 12, 0, kVolumeTop);
  PlaceEdit(Edit1, kVolumeTop);
  PlaceUnit(Label6, kVolumeTop);
  PlaceSaveBox(CheckBox1, kVolumeTop);

  CC.SetCaption("Closed Caption");
  CC.caption_left = true;
  // The caption runs from the caption column to the box, which ends where the sliders begin.
  CC.SetBounds({kCaptionLeft, kClosedCaptionTop + 4, kSliderLeft + 17 - kCaptionLeft, 17});
  PlaceSaveBox(CCchekc, kClosedCaptionTop);

  PlaceCaption(Label4, "Sharpness", kSharpnessTop);
  PlaceSlider(TrackBar2, 0, 7, 5, kSharpnessTop);
  PlaceEdit(Edit2, kSharpnessTop);
  PlaceSaveBox(CheckBox2, kSharpnessTop);

  Label3.SetCaption("Capture Dialog");
  Label3.SetBounds({kCaptionLeft, kCaptureTop + 4, kCaptionWidth, 13});
  CaptureBox.SetBounds({kSliderLeft, kCaptureTop, kSliderWidth + 56, 21});
  Button1.SetCaption("Open");
  Button1.SetBounds({kUnitLeft + 6, kCaptureTop - 2, 75, 25});

  PlaceRule(Bevel1, kLineInTop + kRowStep + 4);
  PlaceRule(Bevel2, kClosedCaptionTop + kRowStep + 4);
  PlaceRule(Bevel3, kSharpnessTop + kRowStep + 4);
  LayOutGreyedRows();
}

// Shown for completeness of the card's controls, never enabled, loaded or saved.
void TFr250::LayOutGreyedRows() {
  PlaceCaption(Label5, "Volume-Line in", kLineInTop);
  PlaceSlider(TrackBar3, -206, 48, -12, kLineInTop);
  PlaceEdit(Edit3, kLineInTop);
  PlaceUnit(Label7, kLineInTop);
  PlaceSaveBox(CheckBox3, kLineInTop);
  Disable({&Label5, &TrackBar3, &Edit3, &Label7, &CheckBox3});

  struct PictureRow {
    ui::Label& caption;
    const char* text;
    ui::Slider& slider;
    ui::Edit& edit;
    ui::CheckBox& save;
  };
  const PictureRow rows[] = {{Label9, "Brightness", TrackBar5, Edit5, CheckBox5},
                             {Label11, "Contrast", TrackBar6, Edit6, CheckBox6},
                             {Label12, "Saturation", TrackBar7, Edit7, CheckBox7},
                             {Label13, "Hue", TrackBar8, Edit8, CheckBox8}};
  int top = kPictureTop;
  for (const PictureRow& row : rows) {
    PlaceCaption(row.caption, row.text, top);
    PlaceSlider(row.slider, 0, 255, 128, top);
    PlaceEdit(row.edit, top);
    PlaceSaveBox(row.save, top);
    Disable({&row.caption, &row.slider, &row.edit, &row.save});
    top += kRowStep;
  }
}

}  // namespace quellon
