#pragma once
// The "250/350" page: tuner volume, sharpness and closed captions of the PVR-250/350 driver, and
// the list of its capture filters. The line-in and picture rows are shown greyed out only: the
// driver of this card takes no such values from the registry. Its rows are described in
// fr250_table.h; this class adds the two rows that load or save by hand.

#include "pages/box_row.h"
#include "pages/filter_list_row.h"
#include "pages/page.h"
#include "pages/pvr250/fr250_table.h"
#include "pages/slider_row.h"
#include "ui/controls.h"

namespace quellon {

class TFr250 : public Page {
 public:
  TFr250(ui::Control* parent, PageHost& host);

  // The driver keeps the volume in a bit field with two bits of its own: a save carries over the
  // two bits the last load read (or assumed, when the value was missing). A save also writes
  // WinTV2000's own copy of the volume.
  class TunerVolumeRow : public SliderRow {
   public:
    TunerVolumeRow(Page& page, ui::Control& parent);
    void Load(LoadContext& ctx) override;
    void Save(SaveContext& ctx) override;

    // The "HcwAudioScart1Volume" value the last load read or assumed. Every load renews it.
    int TrackBar1Raw = settings::pvr250::kTunerVolumeRawWhenMissing;
  };
  // A save writes the flag for the driver, WinTV2000's closed-caption connection, and the flag
  // into every media driver key of the card (SetCCKey).
  class ClosedCaptionRow : public BoxRow {
   public:
    using BoxRow::BoxRow;
    void Save(SaveContext& ctx) override;
  };

  ui::GroupBox GroupBox1{"GroupBox1", this};
  ui::Label Label1{"Label1", &GroupBox1};  // the "Save setting" column heading
  TunerVolumeRow tuner_volume{*this, GroupBox1};
  SliderControls greyed_line_in{GroupBox1, fr250::kGreyedLineIn};
  ui::Bevel Bevel1{"Bevel1", &GroupBox1};
  ClosedCaptionRow closed_caption{*this, GroupBox1, fr250::kClosedCaption};
  ui::Bevel Bevel2{"Bevel2", &GroupBox1};
  SliderControls greyed_brightness{GroupBox1, fr250::kGreyedBrightness};
  SliderControls greyed_contrast{GroupBox1, fr250::kGreyedContrast};
  SliderControls greyed_saturation{GroupBox1, fr250::kGreyedSaturation};
  SliderControls greyed_hue{GroupBox1, fr250::kGreyedHue};
  SliderRow sharpness{*this, GroupBox1, fr250::kSharpness};
  ui::Bevel Bevel3{"Bevel3", &GroupBox1};
  FilterListRow capture_list{*this, GroupBox1, fr250::kCaptureList};
};

}  // namespace quellon
