#pragma once
// The "150/500" page: line-in and tuner volumes, automatic gain and the picture values of the
// PVR-150/500 driver, with the options that push the picture values further on a save. Its rows
// are described in fr150_table.h; this class adds what no table says: the linked right channel,
// the two options' save steps and the defaults button.

#include <vector>

#include "devices/procamp.h"
#include "pages/box_row.h"
#include "pages/page.h"
#include "pages/pvr150/fr150_table.h"
#include "pages/slider_row.h"
#include "ui/controls.h"

namespace quellon {

class TFr150 : public Page {
 public:
  TFr150(ui::Control* parent, PageHost& host);

  void VolLinkedClick();
  void SetProcampDefaultsClick();
  // The picture values whose save box is ticked, top to bottom, for the capture filters.
  std::vector<ProcampValue> TickedProcampValues() const;

  // The right channel: while linked, the left channel's box saves it too, with the left value.
  class LineInRightRow : public SliderRow {
   public:
    LineInRightRow(TFr150& page, const SliderDef& def);
    void Save(SaveContext& ctx) override;

   private:
    TFr150& page_;
  };
  // "Set Capture Filter": a save pushes the ticked picture values into the capture filters.
  class SetFilterRow : public BoxRow {
   public:
    using BoxRow::BoxRow;
    void Save(SaveContext& ctx) override;
  };
  // "Set Wintv2k": a save writes WinTV2000's copies of the ticked picture values.
  class SetWintv2kRow : public BoxRow {
   public:
    SetWintv2kRow(TFr150& page, const BoxDef& def);
    void Save(SaveContext& ctx) override;

   private:
    TFr150& page_;
  };

  // Declared top to bottom as the page shows them.
  ui::GroupBox GroupBox1{"GroupBox1", this};
  ui::Label Label10{"Label10", &GroupBox1};  // "Save setting", heading of the save boxes
  SliderRow tuner_volume{*this, GroupBox1, fr150::kTunerVolume};
  SliderRow line_in_left{*this, GroupBox1, fr150::kLineInLeft};
  ui::CheckBox VolLinked{"VolLinked", &GroupBox1};
  LineInRightRow line_in_right{*this, fr150::kLineInRight};
  BoxRow auto_gain{*this, GroupBox1, fr150::kAutoGain};
  SliderRow agc_target{*this, GroupBox1, fr150::kAgcTarget};
  ui::Bevel Bevel1{"Bevel1", &GroupBox1};
  ui::Label Label15{"Label15", &GroupBox1};  // the picture rows' heading
  SliderRow brightness{*this, GroupBox1, fr150::kBrightness};
  SliderRow contrast{*this, GroupBox1, fr150::kContrast};
  SliderRow saturation{*this, GroupBox1, fr150::kSaturation};
  SliderRow hue{*this, GroupBox1, fr150::kHue};
  SliderRow sharpness{*this, GroupBox1, fr150::kSharpness};
  ui::Bevel Bevel2{"Bevel2", &GroupBox1};
  SetFilterRow set_filter{*this, GroupBox1, fr150::kSetFilter};
  SetWintv2kRow set_wintv2k{*this, fr150::kSetWintv2kProcamp};
  ui::Button SetProcampDefaults{"SetProcampDefaults", &GroupBox1};
  SliderRow motion_blur{*this, GroupBox1, fr150::kMotionBlur};

 private:
  void LayOut();
  void LinkChannels();
  void TrackBar3Change();
  void Edit3Change();
  void FollowLeftChannel();
  // The picture rows: those with a capture filter property.
  std::vector<SliderRow*> PictureRows() const;
};

}  // namespace quellon
