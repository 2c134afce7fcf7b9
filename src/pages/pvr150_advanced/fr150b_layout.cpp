// The page's window description: bounds in pixels at 96 DPI, in the group box's client coordinates
// for everything inside it, and how each control starts before the first load.

#include "pages/pvr150_advanced/fr150b.h"

namespace quellon {
namespace {

// The captions reach as far right as the control beside them allows, so that they keep their last
// letters in bold and under fonts wider than Tahoma 8pt (the system's message font on newer
// systems). Only the empty space to their right becomes part of their hover regions.
constexpr int kStaticBoxWidth = 160;     // the box sits at its right end
constexpr int kControlLeft = 156;        // sliders and lists, right of the longest caption
constexpr int kLevelCaptionWidth = 142;  // up to the slider
constexpr int kListCaptionWidth = 140;   // up to the list
constexpr int kValueLeft = 312;          // the value boxes, right of the sliders
constexpr int kRuleLeft = 373;           // the vertical line in front of the save column
constexpr int kSaveLeft = 392;           // the save boxes

}  // namespace

void TFr150b::LayOut() {
  SetBounds({0, 0, 479, 394});
  GroupBox1.SetBounds({4, 4, 437, 193});
  GroupBox1.SetCaption("Picture");
  Label10.SetBounds({kSaveLeft - 32, 0, 72, 13});
  Label10.SetCaption("Save setting");

  StatTemp.SetBounds({10, 20, kStaticBoxWidth, 17});
  StatTemp.SetCaption("Static Temporal Filter");
  StatTemp.caption_left = true;
  StatTempCheck.SetBounds({kSaveLeft, 20, 17, 17});
  Label3.SetBounds({12, 48, kLevelCaptionWidth, 13});
  Label3.SetCaption("Temporal Filter (Blur)");
  TrackBar9.SetBounds({kControlLeft, 43, 150, 26});
  Edit9.SetBounds({kValueLeft, 44, 33, 21});
  CheckBox9.SetBounds({kSaveLeft, 43, 17, 17});

  StatSpat.SetBounds({10, 72, kStaticBoxWidth, 17});
  StatSpat.SetCaption("Static Spatial Filter");
  StatSpat.caption_left = true;
  StatSpatCheck.SetBounds({kSaveLeft, 72, 17, 17});
  Label9.SetBounds({12, 96, kLevelCaptionWidth, 13});
  Label9.SetCaption("Spatial Filter");
  TrackBar5.SetBounds({kControlLeft, 92, 150, 25});
  Edit5.SetBounds({kValueLeft, 92, 33, 21});
  CheckBox5.SetBounds({kSaveLeft, 96, 17, 17});

  Bevel1.SetBounds({4, 120, kRuleLeft - 4, 2});
  Bevel2.SetBounds({kRuleLeft, 16, 2, 133});

  Label15.SetBounds({12, 132, kListCaptionWidth, 13});
  Label15.SetCaption("Capture settings");
  CaptureBox.SetBounds({kControlLeft, 128, 145, 21});
  Button1.SetBounds({kControlLeft + 148, 128, 45, 21});
  Button1.SetCaption("Open");
  CaptureBoxCheck.SetBounds({kSaveLeft, 128, 17, 17});
  Label16.SetBounds({12, 164, kListCaptionWidth, 13});
  Label16.SetCaption("Encoder settings");
  EncoderBox.SetBounds({kControlLeft, 160, 145, 21});
  Button2.SetBounds({kControlLeft + 148, 160, 45, 21});
  Button2.SetCaption("Open");
  EncoderBoxCheck.SetBounds({kSaveLeft, 160, 17, 17});
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
