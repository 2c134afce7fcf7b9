#pragma once
// The "Wintv2k" page: settings of the TV viewing application (software decoder, live preview,
// forced country code, channel change in timeshift, the LiveTV buffer file, the record/pause
// drop-down speed and the snapshot size). Its rows are described in wintv2k_table.h and
// wintv2k_rows.h.

#include "pages/box_row.h"
#include "pages/page.h"
#include "pages/slider_row.h"
#include "pages/wintv2000/wintv2k_rows.h"
#include "pages/wintv2000/wintv2k_table.h"
#include "ui/controls.h"

namespace quellon {

class TWintv2k : public Page {
 public:
  TWintv2k(ui::Control* parent, PageHost& host);

  // Members in the order the page declares them.
  ui::GroupBox GroupBox1{"GroupBox1", this};
  ui::Label Label1{"Label1", &GroupBox1};  // "Save setting" over the column of save boxes
  CountryCodeRow country_code{*this, GroupBox1};
  ui::Bevel Bevel1{"Bevel1", &GroupBox1};
  BoxRow software_decoder{*this, GroupBox1, wintv2k::kSoftwareDecoder};
  BoxRow live_preview{*this, GroupBox1, wintv2k::kLivePreview};
  ui::Bevel Bevel2{"Bevel2", &GroupBox1};
  BoxRow timeshift_channel_change{*this, GroupBox1, wintv2k::kTimeshiftChannelChange};
  SliderRow drop_speed{*this, GroupBox1, wintv2k::kDropSpeed};
  BufferPathRow buffer_path{*this, GroupBox1};
  ui::Bevel Bevel3{"Bevel3", &GroupBox1};
  SnapshotRow snapshot{*this, GroupBox1};
  // Picture rows that the page carries but never shows, loads or saves.
  SliderControls hidden_brightness{GroupBox1, wintv2k::kHiddenBrightness};
  SliderControls hidden_contrast{GroupBox1, wintv2k::kHiddenContrast};
  SliderControls hidden_saturation{GroupBox1, wintv2k::kHiddenSaturation};
};

}  // namespace quellon
