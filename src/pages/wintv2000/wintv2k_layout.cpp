// The page's description: where each control sits (in the group box's client coordinates), its
// caption and its design state. Rows lie about 26 pixels apart; captions on the left, the value
// controls from x = 184, the save boxes in one column under "Save setting".

#include <initializer_list>

#include "pages/wintv2000/wintv2k.h"

namespace quellon {
namespace {

using Controls = std::initializer_list<ui::Control*>;

constexpr int kSaveColumn = 424;
constexpr int kValueColumn = 184;

void PlaceOption(ui::CheckBox& option, ui::CheckBox& save, const char* caption, int top) {
  option.SetCaption(caption);
  option.caption_left = true;
  option.SetBounds({16, top, 188, 17});
  save.SetBounds({kSaveColumn, top, 17, 17});
}

}  // namespace

void TWintv2k::LayOut() {
  SetBounds({0, 0, 480, 364});
  GroupBox1.SetBounds({0, 0, 480, 364});
  GroupBox1.SetCaption("Wintv2000");
  Label1.SetCaption("Save setting");
  Label1.SetBounds({388, 18, 84, 13});

  PlaceOption(ForceCountry, ForceCountryCheck, "Force Country", 40);
  ForceCountry.SetBounds({16, 40, 112, 17});
  Label5.SetCaption(":");
  Label5.SetBounds({134, 42, 4, 13});
  ForceCountryEdit.SetBounds({144, 38, 56, 21});
  Bevel1.SetBounds({8, 68, 464, 2});

  PlaceOption(Softdec, softDecCheck, "Software Decoder", 78);
  PlaceOption(livepreview, livepreviewCheck, "Live preview", 104);
  Bevel2.SetBounds({8, 130, 464, 2});
  PlaceOption(pausechannel, pausechannelCheck, "Timeshift Channel Change", 140);

  Label2.SetCaption("Record/Pause Drop Speed");
  Label2.SetBounds({16, 172, 164, 13});
  TrackBar1.SetRange(0, 128);
  TrackBar1.SetPosition(6);
  TrackBar1.SetBounds({kValueColumn, 166, 136, 24});
  Edit1.SetBounds({326, 167, 50, 21});
  CheckBox1.SetBounds({kSaveColumn, 169, 17, 17});

  Label3.SetCaption("LiveTV buffer location");
  Label3.SetBounds({16, 204, 164, 13});
  LiveDir.SetBounds({kValueColumn, 200, 200, 21});
  LiveDirBtn.SetCaption("...");
  LiveDirBtn.SetBounds({388, 200, 24, 21});
  LiveDirCheck.SetBounds({kSaveColumn, 202, 17, 17});
  Bevel3.SetBounds({8, 230, 464, 2});

  Label4.SetCaption("Snapshot resolution");
  Label4.SetBounds({16, 244, 164, 13});
  Hres.SetBounds({kValueColumn, 240, 50, 21});
  Label6.SetCaption(":");
  Label6.SetBounds({238, 244, 4, 13});
  VRes.SetBounds({246, 240, 50, 21});
  SnapResCheck.SetBounds({kSaveColumn, 242, 17, 17});

  LayOutHiddenRows();
}

// Brightness, contrast and saturation rows: part of the page, never shown, so never focused.
void TWintv2k::LayOutHiddenRows() {
  struct Row {
    ui::Label& caption;
    ui::Slider& slider;
    ui::Edit& edit;
    ui::CheckBox& save;
    const char* text;
  };
  const Row rows[] = {{Label7, TrackBar5, Edit5, CheckBox5, "Brightness"},
                      {Label8, TrackBar6, Edit6, CheckBox6, "Contrast"},
                      {Label9, TrackBar7, Edit7, CheckBox7, "Saturation"}};
  int top = 276;
  for (const Row& row : rows) {
    row.caption.SetCaption(row.text);
    row.caption.SetBounds({16, top + 6, 164, 13});
    row.slider.SetRange(0, 255);
    row.slider.SetPosition(128);
    row.slider.SetBounds({kValueColumn, top, 136, 24});
    row.edit.SetBounds({326, top + 1, 50, 21});
    row.save.SetBounds({kSaveColumn, top + 3, 17, 17});
    for (ui::Control* c : Controls{&row.caption, &row.slider, &row.edit, &row.save})
      c->SetVisible(false);
    top += 26;
  }
}

}  // namespace quellon
