// The page's window description: bounds in pixels at 96 DPI, in the group box's client coordinates
// for everything inside it, and how each control starts before the first load.

#include "pages/pvr150_advanced/fr150b.h"

namespace quellon {
namespace {

// The captions reach as far right as the control beside them allows, so that they keep their last
// letters in bold and under fonts wider than Tahoma 8pt (the system's message font on newer
// systems). Only the empty space to their right becomes part of their hover regions.
constexpr int kStaticBoxWidth = 160;     // the box sits at its right end
constexpr int kLevelCaptionWidth = 118;  // up to the slider at 132
constexpr int kListCaptionWidth = 124;   // up to the list at 140

}  // namespace

void TFr150b::LayOut() {
  SetBounds({0, 0, 479, 394});
  GroupBox1.SetBounds({4, 4, 409, 193});
  GroupBox1.SetCaption("Picture");
  Label10.SetBounds({344, 0, 64, 13});
  Label10.SetCaption("Save setting");

  StatTemp.SetBounds({10, 20, kStaticBoxWidth, 17});
  StatTemp.SetCaption("Static Temporal Filter");
  StatTemp.caption_left = true;
  StatTempCheck.SetBounds({368, 20, 17, 17});
  Label3.SetBounds({12, 48, kLevelCaptionWidth, 13});
  Label3.SetCaption("Temporal Filter (Blur)");
  TrackBar9.SetBounds({132, 43, 150, 26});
  Edit9.SetBounds({288, 44, 33, 21});
  CheckBox9.SetBounds({368, 43, 17, 17});

  StatSpat.SetBounds({10, 72, kStaticBoxWidth, 17});
  StatSpat.SetCaption("Static Spatial Filter");
  StatSpat.caption_left = true;
  StatSpatCheck.SetBounds({368, 72, 17, 17});
  Label9.SetBounds({12, 96, kLevelCaptionWidth, 13});
  Label9.SetCaption("Spatial Filter");
  TrackBar5.SetBounds({132, 92, 150, 25});
  Edit5.SetBounds({288, 92, 33, 21});
  CheckBox5.SetBounds({368, 96, 17, 17});

  Bevel1.SetBounds({4, 120, 345, 2});
  Bevel2.SetBounds({349, 16, 2, 133});

  Label15.SetBounds({12, 132, kListCaptionWidth, 13});
  Label15.SetCaption("Capture settings");
  CaptureBox.SetBounds({140, 128, 145, 21});
  Button1.SetBounds({288, 128, 45, 21});
  Button1.SetCaption("Open");
  CaptureBoxCheck.SetBounds({368, 128, 17, 17});
  Label16.SetBounds({12, 164, kListCaptionWidth, 13});
  Label16.SetCaption("Encoder settings");
  EncoderBox.SetBounds({140, 160, 145, 21});
  Button2.SetBounds({288, 160, 45, 21});
  Button2.SetCaption("Open");
  EncoderBoxCheck.SetBounds({368, 160, 17, 17});
}

// Runs before any handler is bound, so setting the design values raises nothing.
void TFr150b::SetDesignState() {
  StatTemp.SetChecked(true);
  StatSpat.SetChecked(true);
  TrackBar9.SetRange(0, 31);
  TrackBar9.SetPosition(8);
  TrackBar5.SetRange(0, 15);
  TrackBar5.SetPosition(0);
  Edit9.SetText("8");
  Edit5.SetText("0");
  for (ui::CheckBox* hidden : {&CaptureBoxCheck, &EncoderBoxCheck}) {
    hidden->SetVisible(false);
    hidden->SetEnabled(false);
  }
}

}  // namespace quellon
